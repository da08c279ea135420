#include "desktopsettings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pondrel;

TEST(DesktopSettings, readsGsettingsBooleansOnly)
{
    EXPECT_EQ(parseGsettingsBool(QStringLiteral("true\n")), true);
    EXPECT_EQ(parseGsettingsBool(QStringLiteral("false")), false);
    EXPECT_EQ(parseGsettingsBool(QString()), std::nullopt);
    EXPECT_EQ(parseGsettingsBool(QStringLiteral("No such schema")), std::nullopt);
    EXPECT_EQ(parseGsettingsBool(QStringLiteral("'true'")), std::nullopt);
}

TEST(DesktopSettings, kdeAnimationsAreOffOnlyAtFactorZero)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto kdeglobals = [&](const QByteArray &content) {
        const QString path = dir.filePath(QStringLiteral("kdeglobals"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return path;
    };
    EXPECT_TRUE(kdeAnimationsOff(kdeglobals("[KDE]\nAnimationDurationFactor=0\n")));
    EXPECT_FALSE(kdeAnimationsOff(kdeglobals("[KDE]\nAnimationDurationFactor=0.5\n")));
    EXPECT_FALSE(kdeAnimationsOff(kdeglobals("[KDE]\nAnimationDurationFactor=fast\n")));
    EXPECT_FALSE(kdeAnimationsOff(kdeglobals("[General]\nColorScheme=BreezeDark\n")));
    EXPECT_FALSE(kdeAnimationsOff(QString()));
    EXPECT_FALSE(kdeAnimationsOff(dir.filePath(QStringLiteral("missing"))));
}
