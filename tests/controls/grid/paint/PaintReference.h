// Comparing a painted picture with a reference image kept beside the tests, with room for font rendering.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace qvpaint {

// A pixel differs when a channel is more than kChannelTolerance off; up to MaxShare of the pixels may
// differ (anti-aliased text moves by a pixel between font versions). QV_WRITE_REFERENCES=1 writes the
// references anew; QV_SAVE_GRABS=<folder> keeps each painted picture for a look.
inline void ExpectMatchesReference(const QImage& actual, const QString& name, double MaxShare = 0.015) {
    constexpr int kChannelTolerance = 40;
    const QString path = QStringLiteral(QV_TEST_DATA_DIR "/paint/") + name + ".png";
    const QImage shot = actual.convertToFormat(QImage::Format_RGB32);
    if (const char* dir = std::getenv("QV_SAVE_GRABS"); dir && *dir) {
        QDir().mkpath(dir);
        shot.save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    }
    if (qEnvironmentVariableIsSet("QV_WRITE_REFERENCES")) {
        ASSERT_TRUE(shot.save(path)) << path.toStdString();
        return;
    }
    QImage want(path);
    ASSERT_FALSE(want.isNull()) << "missing reference " << path.toStdString();
    want = want.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(want.size(), shot.size()) << name.toStdString();
    int differing = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb a = shot.pixel(x, y), b = want.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            differing += d > kChannelTolerance;
        }
    const double share = double(differing) / (shot.width() * shot.height());
    EXPECT_LE(share, MaxShare) << name.toStdString() << ": " << differing << " pixels differ";
}

} // namespace qvpaint
