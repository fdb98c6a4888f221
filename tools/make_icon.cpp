// Draws the program's icon: a gold "B" on a dark blue-grey rounded square, the colours of the
// editor's background. Writes one PNG per size for the running program and the launcher, and
// a Windows .ico holding the same pictures for the executables' resources.
//
// Usage: make_icon <png folder> <icon.ico>
// The PNGs are named beditor_<size>.png.
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QtEndian>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSizes[] = {16, 32, 48, 256};

// The letter in a 100 x 100 design square: a stem with two bowls, the lower one wider, and
// the two counters cut out.
QPainterPath Letter() {
  // Overlapping rectangles and discs add up rather than cancel out.
  QPainterPath upper;
  upper.setFillRule(Qt::WindingFill);
  upper.addRect(28, 16, 23, 35);
  upper.addEllipse(QPointF(51, 33.5), 17.5, 17.5);
  QPainterPath lower;
  lower.setFillRule(Qt::WindingFill);
  lower.addRect(28, 46, 27, 38);
  lower.addEllipse(QPointF(55, 65), 19, 19);
  QPainterPath counters;
  counters.setFillRule(Qt::WindingFill);
  counters.addRect(41, 27, 10, 13);
  counters.addEllipse(QPointF(51, 33.5), 6.5, 6.5);
  counters.addRect(41, 51, 11, 22);
  counters.addEllipse(QPointF(52, 62), 11, 11);
  return upper.united(lower).subtracted(counters);
}

QImage Paint(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 100.0, size / 100.0);

  // The tile: lighter at the top, like the background picture's sheen.
  const QRectF tile(3, 3, 94, 94);
  QLinearGradient ground(0, 3, 0, 97);
  ground.setColorAt(0, QColor(0x3f, 0x52, 0x73));
  ground.setColorAt(1, QColor(0x14, 0x1b, 0x29));
  painter.setPen(QPen(QColor(0x0b, 0x10, 0x18), 2));
  painter.setBrush(ground);
  painter.drawRoundedRect(tile, 18, 18);

  // A red band across the foot: the corner of a ring.
  QPainterPath band;
  band.addRoundedRect(tile.adjusted(1, 1, -1, -1), 17, 17);
  QPainterPath foot;
  foot.addRect(0, 86, 100, 14);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xc6, 0x28, 0x28));
  painter.drawPath(band.intersected(foot));

  QLinearGradient gold(0, 17, 0, 83);
  gold.setColorAt(0, QColor(0xff, 0xe0, 0x82));
  gold.setColorAt(1, QColor(0xe3, 0x94, 0x1b));
  // The outline keeps the letter apart from the tile at the smallest size too.
  painter.setPen(QPen(QColor(0x2a, 0x1a, 0x05), size < 32 ? 4 : 2.5, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(gold);
  painter.drawPath(Letter());
  painter.end();
  return image;
}

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// A Windows icon file whose entries are PNG pictures, as Windows reads them since Vista.
QByteArray Ico(const std::vector<QByteArray>& pngs) {
  const auto count = static_cast<quint16>(pngs.size());
  QByteArray ico;
  auto put16 = [&ico](quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    ico.append(bytes, 2);
  };
  auto put32 = [&ico](quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    ico.append(bytes, 4);
  };
  put16(0);  // reserved
  put16(1);  // icon
  put16(count);
  quint32 offset = 6 + 16u * count;
  for (std::size_t i = 0; i < pngs.size(); ++i) {
    const int size = kSizes[i];
    ico.append(static_cast<char>(size >= 256 ? 0 : size));  // 0 stands for 256
    ico.append(static_cast<char>(size >= 256 ? 0 : size));
    ico.append('\0');  // no palette
    ico.append('\0');
    put16(1);   // planes
    put16(32);  // bits per pixel
    put32(static_cast<quint32>(pngs[i].size()));
    put32(offset);
    offset += static_cast<quint32>(pngs[i].size());
  }
  for (const QByteArray& png : pngs) ico.append(png);
  return ico;
}

// Written whole or not at all, so an interrupted build leaves no half file that looks current.
bool Write(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
    return true;
  std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icon <png folder> <icon.ico>\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const QString ico = QString::fromLocal8Bit(argv[2]);
  for (const QDir& made : {folder, QFileInfo(ico).dir()}) {
    if (!made.mkpath(QStringLiteral("."))) {
      std::fprintf(stderr, "make_icon: cannot make %s\n", qPrintable(made.path()));
      return 1;
    }
  }
  std::vector<QByteArray> pngs;
  for (int size : kSizes) {
    pngs.push_back(Png(Paint(size)));
    if (pngs.back().isEmpty()) {
      std::fprintf(stderr, "make_icon: cannot encode the %d px picture\n", size);
      return 1;
    }
    if (!Write(folder.filePath(QStringLiteral("beditor_%1.png").arg(size)), pngs.back())) return 1;
  }
  return Write(ico, Ico(pngs)) ? 0 : 1;
}
