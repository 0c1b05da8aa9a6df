#pragma once

#include <QString>

namespace platform {

// A menu command without a widget: its caption, with the access key after
// an ampersand, and whether it is enabled. A window's MenuItem shows one.
class Command {
 public:
  explicit Command(const QString& caption, bool enabled = true)
      : caption_(caption), enabled_(enabled) {}
  virtual ~Command() = default;
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
  }
  QString Caption() const { return caption_; }

 protected:
  // Told of each change of Enabled, after it is made.
  virtual void Changed() {}

 private:
  QString caption_;
  bool enabled_;
};

}  // namespace platform
