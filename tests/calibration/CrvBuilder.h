#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// Builds CRV file bytes for the reader tests. Row r holds, in file order:
// Dynamic 1000+r, Loaded Up 30000+10r, Empty Up 10000+10r, Loaded Down 1000+r,
// Empty Down 9192+r; so Delta Up is 20000 and Delta Down -8192 at every height.
struct CrvBuilder {
  QList<QByteArray> preamble{"Calibration run 7", ""};
  QByteArray header = "Height,Dynamic,Loaded Up,Empty Up,Loaded Down,Empty Down";
  int rows = 101;
  QList<QByteArray> trailer;
  QByteArray ending = "\r\n";

  static QByteArray Row(int r) {
    return QByteArray::number(r) + "%," + QByteArray::number(1000 + r) + "," +
           QByteArray::number(30000 + 10 * r) + "," + QByteArray::number(10000 + 10 * r) + "," +
           QByteArray::number(1000 + r) + "," + QByteArray::number(9192 + r);
  }

  // The file's lines in order; the header is line preamble.size() + 1.
  QList<QByteArray> Lines() const {
    QList<QByteArray> lines = preamble;
    lines.append(header);
    for (int r = 0; r < rows; ++r) lines.append(Row(r));
    lines.append(trailer);
    return lines;
  }
  QByteArray Bytes() const { return Lines().join(ending) + ending; }
  // The number of the first trailer line.
  int TrailerLine() const { return static_cast<int>(preamble.size()) + 1 + rows + 1; }
};

inline CrvBuilder WithTrailer(const QList<QByteArray>& trailer) {
  CrvBuilder crv;
  crv.trailer = trailer;
  return crv;
}
// Replaces line n (1-based) of a default file.
inline QByteArray WithLine(int n, const QByteArray& text) {
  QList<QByteArray> lines = CrvBuilder().Lines();
  lines[n - 1] = text;
  return lines.join("\r\n") + "\r\n";
}

// Writes bytes to name (folders made as needed) inside dir and returns the path.
QString WriteCrv(const QTemporaryDir& dir, const QByteArray& bytes,
                 const QString& name = QStringLiteral("t.CRV"));
