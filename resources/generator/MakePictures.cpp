// Renders the eight code pictures, the brand logo and the application icon into a resources folder:
//   make_pictures <resources folder>
// writes pictures/code2.jpg ... code9.jpg, pictures/logo.jpg and icons/MAINICON.ico. The output is
// committed; run this again only to change the pictures. Everything is drawn from fixed numbers, so the
// output depends only on this file, the codes and the installed fonts.

#include "order/ChallengeCodes.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// A small fixed-seed generator: the same pictures on every run and every machine.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state(seed) {}
    std::uint32_t next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    // Uniform in [lo, hi].
    double between(double lo, double hi) { return lo + (hi - lo) * (next() % 10001) / 10000.0; }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint32_t state;
};

bool SaveJpeg(const QImage& image, const QString& path) {
    // A plain JFIF file: the image carries no text, so no comment marker is written.
    QImage plain = image.convertToFormat(QImage::Format_RGB32);
    if (!plain.save(path, "JPG", 92)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// ---- Code pictures -------------------------------------------------------------------------------------

constexpr int CodeWidth = 120;
constexpr int CodeHeight = 36;

struct CodeStyle {
    int hue;            // blue ... violet
    const char* family; // every picture in a bold face, for legibility once shrunk
    double slant;       // shear of the whole word
};

// One style per picture, so that pictures differ beyond their letters as well.
constexpr std::array<CodeStyle, 8> CodeStyles = {{
    {228, "DejaVu Sans", -0.10},
    {262, "Liberation Sans", 0.00},
    {214, "DejaVu Sans", 0.12},
    {276, "DejaVu Sans", -0.06},
    {240, "Liberation Sans", 0.10},
    {252, "DejaVu Sans", 0.00},
    {284, "Liberation Sans", -0.08},
    {220, "DejaVu Serif", 0.06},
}};

void DrawSpeckles(QImage& image, Dice& dice, int hue, int count) {
    for (int i = 0; i < count; ++i) {
        const int x = dice.below(image.width());
        const int y = dice.below(image.height());
        image.setPixelColor(x, y, QColor::fromHsv(hue, 40 + dice.below(60), 200 + dice.below(50)));
    }
}

QImage CodePicture(int picture) {
    const QByteArray code(PictureCode(picture));
    const CodeStyle& style = CodeStyles.at(static_cast<std::size_t>(picture - FirstPicture));
    Dice dice(0x5eed0000u + static_cast<std::uint32_t>(picture) * 7919u);

    QImage image(CodeWidth, CodeHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Faint background strokes: texture, well below the lettering in contrast.
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave;
        const double y0 = dice.between(6, CodeHeight - 6);
        wave.moveTo(0, y0);
        wave.cubicTo(40, dice.between(0, CodeHeight), 80, dice.between(0, CodeHeight), CodeWidth,
                     dice.between(6, CodeHeight - 6));
        p.setPen(QPen(QColor::fromHsv(style.hue, 50, 235), 1.2));
        p.drawPath(wave);
    }

    QFont font(style.family);
    font.setBold(true);
    font.setPixelSize(25);
    const QFontMetricsF metrics(font);

    // Lay the six glyphs out on one baseline, each turned and lifted a little.
    QPainterPath word;
    double x = 0;
    for (char c : code) {
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString(QChar(c)));
        const QRectF box = glyph.boundingRect();
        QTransform turn;
        turn.translate(x + box.center().x(), dice.between(-1.5, 1.5));
        turn.rotate(dice.between(-9, 9));
        turn.translate(-box.center().x(), 0);
        word.addPath(turn.map(glyph));
        x += metrics.horizontalAdvance(QChar(c)) - 0.5;
    }

    // Fit the word into the picture with a margin, shrinking it only where it would not fit.
    const QRectF bounds = word.boundingRect();
    const double scaleX = std::min(1.0, (CodeWidth - 10) / bounds.width());
    const double scaleY = std::min(1.0, (CodeHeight - 6) / bounds.height());
    QTransform fit;
    fit.translate(CodeWidth / 2.0, CodeHeight / 2.0);
    fit.shear(style.slant, 0);
    fit.scale(scaleX, scaleY);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath placed = fit.map(word);

    // Shadow, then the body shaded from a light top to a deep bottom, then a thin dark rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromHsv(style.hue, 60, 200));
    p.drawPath(placed.translated(1.6, 1.6));
    const QRectF body = placed.boundingRect();
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0.0, QColor::fromHsv(style.hue, 110, 245));
    shade.setColorAt(0.45, QColor::fromHsv(style.hue, 200, 200));
    shade.setColorAt(1.0, QColor::fromHsv(style.hue, 235, 110));
    p.setBrush(shade);
    p.setPen(QPen(QColor::fromHsv(style.hue, 240, 80), 0.7));
    p.drawPath(placed);
    p.end();

    DrawSpeckles(image, dice, style.hue, 90);
    return image;
}

// ---- Logo ----------------------------------------------------------------------------------------------

constexpr int LogoWidth = 216;
constexpr int LogoHeight = 221;

// A head in profile facing right, in a unit box (0,0)-(1,1).
QPainterPath HeadProfile() {
    QPainterPath head;
    head.moveTo(0.30, 1.00);                           // back of the neck, bottom
    head.cubicTo(0.30, 0.86, 0.22, 0.78, 0.12, 0.66);  // nape
    head.cubicTo(-0.04, 0.46, 0.02, 0.10, 0.36, 0.02); // back of the skull to the crown
    head.cubicTo(0.58, -0.03, 0.78, 0.06, 0.82, 0.26); // crown to the forehead
    head.cubicTo(0.84, 0.33, 0.83, 0.37, 0.85, 0.40);  // brow
    head.lineTo(0.96, 0.55);                           // nose ridge
    head.cubicTo(0.97, 0.57, 0.95, 0.59, 0.90, 0.59);  // tip of the nose
    head.cubicTo(0.88, 0.61, 0.89, 0.63, 0.90, 0.64);  // under the nose
    head.cubicTo(0.93, 0.66, 0.90, 0.68, 0.88, 0.69);  // upper lip
    head.cubicTo(0.91, 0.71, 0.90, 0.74, 0.86, 0.75);  // lower lip
    head.cubicTo(0.88, 0.79, 0.87, 0.84, 0.80, 0.85);  // chin
    head.cubicTo(0.72, 0.86, 0.64, 0.85, 0.60, 0.84);  // under the jaw
    head.cubicTo(0.60, 0.90, 0.62, 0.95, 0.64, 1.00);  // throat
    head.closeSubpath();
    return head;
}

QImage Logo() {
    QImage image(LogoWidth, LogoHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The brand word, shaded dark blue, as wide as the panel.
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(40);
    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("KESTOLA"));
    const QRectF wordBox = word.boundingRect();
    QTransform fit;
    fit.translate(8, 8);
    fit.scale(200 / wordBox.width(), 36 / wordBox.height());
    fit.translate(-wordBox.left(), -wordBox.top());
    const QPainterPath brand = fit.map(word);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 160, 190));
    p.drawPath(brand.translated(2, 2));
    QLinearGradient ink(0, 8, 0, 44);
    ink.setColorAt(0, QColor(40, 70, 170));
    ink.setColorAt(1, QColor(10, 25, 90));
    p.setBrush(ink);
    p.drawPath(brand);

    // The orange panel.
    const QRectF panel(8, 54, 200, 159);
    QLinearGradient orange(panel.topLeft(), panel.bottomRight());
    orange.setColorAt(0, QColor(255, 170, 40));
    orange.setColorAt(1, QColor(235, 100, 10));
    p.setBrush(orange);
    p.setPen(QPen(QColor(150, 60, 0), 2));
    p.drawRoundedRect(panel, 10, 10);

    // A grid of letters in the upper right of the panel.
    QFont tileFont("DejaVu Sans");
    tileFont.setBold(true);
    tileFont.setPixelSize(13);
    p.setFont(tileFont);
    const char* letters = "ABCDEFGHIKLMNOPR";
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRectF tile(128 + col * 19, 64 + row * 19, 16, 16);
            p.setPen(QPen(QColor(150, 60, 0), 1));
            p.setBrush(QColor(255, 240, 215));
            p.drawRoundedRect(tile, 2, 2);
            p.setPen(QColor(60, 40, 20));
            p.drawText(tile, Qt::AlignCenter, QString(QChar(letters[row * 4 + col])));
        }
    }

    // The head, dark on orange, facing right.
    QTransform headBox;
    headBox.translate(18, 98);
    headBox.scale(100, 115);
    const QPainterPath head = headBox.map(HeadProfile());
    QLinearGradient skin(18, 98, 118, 213);
    skin.setColorAt(0, QColor(90, 60, 50));
    skin.setColorAt(1, QColor(40, 20, 15));
    p.setBrush(skin);
    p.setPen(QPen(QColor(30, 10, 5), 1.2));
    p.drawPath(head);

    // Sound waves leaving the mouth.
    const QPointF mouth(18 + 0.92 * 100, 98 + 0.70 * 115);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const double r = 12 + i * 12;
        p.setPen(QPen(QColor(255, 255, 255, 235), 3.2 - i * 0.4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(mouth.x() - r, mouth.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    p.end();
    return image;
}

// ---- Icon ----------------------------------------------------------------------------------------------

constexpr int IconSize = 32;

// The 16 standard colours; the icon is drawn with these alone.
constexpr std::array<QRgb, 16> IconPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};
constexpr QRgb Black = IconPalette[0];
constexpr QRgb Navy = IconPalette[4];
constexpr QRgb Grey = IconPalette[8];
constexpr QRgb Red = IconPalette[9];
constexpr QRgb Yellow = IconPalette[11];
constexpr QRgb White = IconPalette[15];

// 5-pixel-high capitals for the brand name, one row per string; K needs four columns to read as K.
struct PixelGlyph {
    char letter;
    std::array<const char*, 5> rows;
};
constexpr std::array<PixelGlyph, 7> PixelFont = {{
    {'K', {"#..#", "#.#.", "##..", "#.#.", "#..#"}},
    {'E', {"###", "#..", "##.", "#..", "###"}},
    {'S', {".##", "#..", ".#.", "..#", "##."}},
    {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
}};

void DrawPixelText(QImage& image, const char* text, int left, int top, QRgb colour) {
    int x = left;
    for (const char* c = text; *c; ++c) {
        for (const PixelGlyph& glyph : PixelFont) {
            if (glyph.letter != *c)
                continue;
            const int width = static_cast<int>(std::strlen(glyph.rows[0]));
            for (int row = 0; row < 5; ++row)
                for (int col = 0; col < width; ++col)
                    if (glyph.rows[static_cast<std::size_t>(row)][col] == '#')
                        image.setPixel(x + col, top + row, colour);
            x += width + 1;
        }
    }
}

// The head in profile, drawn pixel by pixel: a scaled outline loses nose, lips and chin at this size.
// k outline, g face, . background.
constexpr std::array<const char*, 23> IconHead = {
    "...kkkkkk......", //  9
    ".kkggggggkk....", // 10
    "kgggggggggggk..", // 11
    "kgggggggggggk..", // 12
    "kgggggggggggk..", // 13
    "kgggggggggkgk..", // 14 eye
    "kgggggggggggkk.", // 15 brow
    "kgggggggggggk..", // 16
    "kggggggggggggk.", // 17 nose
    "kgggggggggggggk", // 18 tip of the nose
    "kgggggggggggkkk", // 19
    ".kgggggggggggk.", // 20 upper lip
    ".kggggggggggk..", // 21 mouth
    ".kgggggggggggk.", // 22 lower lip
    "..kgggggggggk..", // 23
    "..kgggggggggk..", // 24 chin
    "...kggggkkkk...", // 25 jaw
    "...kggggk......", // 26 neck
    "...kggggk......", // 27
    "...kgggggk.....", // 28
    "..kggggggk.....", // 29
    ".kggggggggk....", // 30
    "kggggggggggk...", // 31 shoulders
};
constexpr int IconHeadTop = 9;

QImage IconPicture() {
    QImage image(IconSize, IconSize, QImage::Format_RGB32);
    image.fill(White);

    // Brand band across the top.
    DrawPixelText(image, "KESTOLA", 2, 1, Navy);
    for (int x = 0; x < IconSize; ++x)
        image.setPixel(x, 7, Navy);

    // Red-and-white chequered ground on the right.
    constexpr int groundLeft = 15;
    constexpr int square = 4;
    for (int y = 8; y < IconSize; ++y)
        for (int x = groundLeft; x < IconSize; ++x)
            image.setPixel(x, y, (((x - groundLeft) / square + (y - 8) / square) % 2) ? White : Red);

    // Sound-wave arcs from the mouth; aliasing off so that every pixel stays one of the 16 colours.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPoint mouth(13, 21);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor::fromRgb(Yellow), 2));
    for (int r : {5, 10, 15})
        p.drawArc(QRect(mouth.x() - r, mouth.y() - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    p.end();

    for (int row = 0; row < static_cast<int>(IconHead.size()); ++row) {
        const char* line = IconHead[static_cast<std::size_t>(row)];
        for (int x = 0; line[x]; ++x) {
            if (line[x] == 'k')
                image.setPixel(x, IconHeadTop + row, Black);
            else if (line[x] == 'g')
                image.setPixel(x, IconHeadTop + row, Grey);
        }
    }
    return image;
}

int PaletteIndex(QRgb colour) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < static_cast<int>(IconPalette.size()); ++i) {
        const QRgb c = IconPalette[static_cast<std::size_t>(i)];
        const int dr = qRed(c) - qRed(colour), dg = qGreen(c) - qGreen(colour), db = qBlue(c) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void PutU16(QByteArray& out, unsigned v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}
void PutU32(QByteArray& out, std::uint32_t v) {
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}

// One 4-bit image in an icon file: a bitmap info header with double height (colour rows plus mask rows),
// the 16-entry palette, the colour rows bottom-up and an all-clear AND mask (fully opaque).
QByteArray IconFile(const QImage& image) {
    constexpr int colourRowBytes = IconSize / 2; // two pixels a byte, already a multiple of 4
    constexpr int maskRowBytes = 4;              // 32 bits, padded to 4 bytes
    constexpr std::uint32_t headerSize = 40;
    constexpr std::uint32_t paletteSize = 16 * 4;
    constexpr std::uint32_t bitsSize = (colourRowBytes + maskRowBytes) * IconSize;
    constexpr std::uint32_t imageSize = headerSize + paletteSize + bitsSize;

    QByteArray out;
    PutU16(out, 0); // reserved
    PutU16(out, 1); // icon
    PutU16(out, 1); // one image
    out.append(static_cast<char>(IconSize));
    out.append(static_cast<char>(IconSize));
    out.append(static_cast<char>(16)); // colours
    out.append('\0');
    PutU16(out, 1); // planes
    PutU16(out, 4); // bits per pixel
    PutU32(out, imageSize);
    PutU32(out, 6 + 16); // image follows the directory

    PutU32(out, headerSize);
    PutU32(out, IconSize);
    PutU32(out, 2 * IconSize);
    PutU16(out, 1);
    PutU16(out, 4);
    PutU32(out, 0); // uncompressed
    PutU32(out, bitsSize);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 16);
    PutU32(out, 0);
    for (QRgb c : IconPalette) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = IconSize - 1; y >= 0; --y) {
        for (int x = 0; x < IconSize; x += 2) {
            const int hi = PaletteIndex(image.pixel(x, y));
            const int lo = PaletteIndex(image.pixel(x + 1, y));
            out.append(static_cast<char>((hi << 4) | lo));
        }
    }
    out.append(QByteArray(maskRowBytes * IconSize, '\0'));
    return out;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("pictures")) || !out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create the output folders under %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (int picture = FirstPicture; picture <= LastPicture; ++picture)
        ok &=
            SaveJpeg(CodePicture(picture), out.filePath(QStringLiteral("pictures/code%1.jpg").arg(picture)));
    ok &= SaveJpeg(Logo(), out.filePath(QStringLiteral("pictures/logo.jpg")));
    ok &= WriteFile(out.filePath(QStringLiteral("icons/MAINICON.ico")), IconFile(IconPicture()));
    return ok ? 0 : 1;
}
