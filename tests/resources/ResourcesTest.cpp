#include "order/ChallengeCodes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QString>

#include <cstdlib>
#include <vector>

namespace {

QString CodePicturePath(int picture) {
    return QStringLiteral(":/pictures/code%1.jpg").arg(picture);
}

// Mean difference per channel, 0 ... 255, between two pictures brought to the size they are shown at.
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.scaled(97, 30, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    const QImage y = b.scaled(97, 30, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    long total = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            total +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return static_cast<double>(total) / (3.0 * x.width() * x.height());
}

TEST(Resources, CodePicturesHaveTheirSizeAndDifferFromEachOther) {
    std::vector<QImage> pictures;
    for (int picture = FirstPicture; picture <= LastPicture; ++picture) {
        SCOPED_TRACE(CodePicturePath(picture).toStdString());
        const QImage image(CodePicturePath(picture));
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), 116);
        EXPECT_LE(image.width(), 123);
        EXPECT_GE(image.height(), 34);
        EXPECT_LE(image.height(), 40);
        pictures.push_back(image);
    }
    // Clearly apart even when shrunk into the picture box, not merely a few bytes apart.
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_GT(MeanDifference(pictures[i], pictures[j]), 10.0)
                << "pictures " << i + FirstPicture << " and " << j + FirstPicture;
}

TEST(Resources, Logo) {
    const QImage logo(QStringLiteral(":/pictures/logo.jpg"));
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(216, 221));
}

TEST(Resources, IconIsOne32By32ImageIn16Colours) {
    const QString path = QStringLiteral(":/icons/MAINICON.ico");
    QImageReader reader(path);
    EXPECT_EQ(reader.imageCount(), 1);
    const QImage icon = reader.read();
    ASSERT_FALSE(icon.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(icon.size(), QSize(32, 32));

    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(icon.pixel(x, y));
    EXPECT_LE(colours.size(), 16);

    // The directory entry announces a 16-colour, 4-bit image.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 22);
    EXPECT_EQ(static_cast<unsigned char>(bytes[8]), 16u); // colours
    EXPECT_EQ(static_cast<unsigned char>(bytes[12]), 4u); // bits per pixel
}

} // namespace
