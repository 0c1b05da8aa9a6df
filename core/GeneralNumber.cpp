#include "core/GeneralNumber.h"

#include <QLocale>

namespace core {

QString GeneralNumber(float value) {
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  // Adding 0 turns a negative zero into 0.
  return locale.toString(static_cast<double>(value) + 0.0, 'g', 7);
}

}  // namespace core
