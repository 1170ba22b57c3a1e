// The placement file: its keys and their order, the reading rules, and the window side.
#include "IniFile.h"
#include "PlacementRecord.h"
#include "ShellFixture.h"

#include <QFile>
#include <QScreen>

namespace {

const QSize Screen(1024, 768);
const PlacementRecord::Quad Current{100, 50, 1046, 636};

PlacementRecord readFrom(const QByteArray &text, QSize screen = Screen) {
    PlacementRecord defaults;
    defaults.flags = 7;
    defaults.pixelsPerInch = 96;
    return PlacementRecord::read(IniFile::parse(text), "MainForm", screen, defaults, Current);
}

} // namespace

TEST(PlacementRecordTest, WritesTheNineKeysInOrderAndReadsThemBack) {
    PlacementRecord record;
    record.formVersion = 0;
    record.showCmd = 3;
    record.pixelsPerInch = 96;
    record.minMaxPos = PlacementRecord::Quad{0, 0, 0, 0};
    record.normPos = PlacementRecord::Quad{10, 20, 810, 620};
    record.visible = true;
    IniFile ini;
    record.write(ini, "MainForm", Screen);
    EXPECT_EQ(ini.text(), "[MainForm]\nFormVersion=0\nFlags=0\nShowCmd=3\nPixelsPerInch=96\n"
                          "MinMaxPos(1024x768)=0,0,0,0\nMinMaxPos=0,0,0,0\nNormPos(1024x768)=10,20,810,620\n"
                          "NormPos=10,20,810,620\nVisible=1\n");
    const PlacementRecord back = readFrom(ini.text());
    EXPECT_EQ(back.showCmd, 3);
    EXPECT_EQ(back.flags, 0);
    EXPECT_EQ(back.normPos, record.normPos);
    EXPECT_EQ(back.minMaxPos, record.minMaxPos);
}

TEST(PlacementRecordTest, TheScreenSizeKeyWinsOnItsOwnScreenOnly) {
    const QByteArray text = "[MainForm]\nNormPos(1024x768)=1,2,3,4\nNormPos=5,6,7,8\n";
    EXPECT_EQ(readFrom(text, QSize(1024, 768)).normPos, (PlacementRecord::Quad{1, 2, 3, 4}));
    EXPECT_EQ(readFrom(text, QSize(1280, 800)).normPos, (PlacementRecord::Quad{5, 6, 7, 8}));
    // An empty screen-size value falls back to the plain key as well.
    EXPECT_EQ(readFrom("[mainform]\nNormPos(1024x768)=\nnormpos=5,6,7,8\n").normPos, (PlacementRecord::Quad{5, 6, 7, 8}));
}

TEST(PlacementRecordTest, BlanksSeparateLikeCommas) {
    for (const char *value : {"10 20 810 620", "10,20,810,620", "10, 20,  810 ,620", " 10 20 810 620 "}) {
        const QByteArray text = QByteArray("[MainForm]\nNormPos=") + value + "\n";
        EXPECT_EQ(readFrom(text).normPos, (PlacementRecord::Quad{10, 20, 810, 620})) << value;
    }
}

TEST(PlacementRecordTest, GarbageGivesTheDefaults) {
    const PlacementRecord record = readFrom("[MainForm]\nFormVersion=abc\nFlags=\x01\x02\nShowCmd=max\n"
                                            "PixelsPerInch=99999999999999\nMinMaxPos=x,1\nNormPos=a,b,900\n");
    EXPECT_EQ(record.formVersion, 0);
    EXPECT_EQ(record.flags, 7);
    EXPECT_EQ(record.showCmd, 0);
    EXPECT_EQ(record.pixelsPerInch, 96);
    EXPECT_EQ(record.minMaxPos, (PlacementRecord::Quad{0, 1, 0, 0}));
    EXPECT_EQ(record.normPos, (PlacementRecord::Quad{100, 50, 900, 636}));
    const PlacementRecord missing = readFrom("no section at all\n=\n[Other]\nNormPos=1,2,3,4\n");
    EXPECT_FALSE(missing.normPos);
    EXPECT_FALSE(missing.minMaxPos);
}

TEST(IniFileTest, KeepsOtherSectionsAndQuotesQuotedValues) {
    IniFile ini = IniFile::parse("; ours\n[Other]\nKey=keep\n\n[MainForm]\nShowCmd=1\n");
    ini.setValue("MainForm", "ShowCmd", "3");
    ini.setValue("MainForm", "Name", "'quoted'");
    ini.setValue("Third", "A", "b");
    EXPECT_EQ(ini.text(), "; ours\n[Other]\nKey=keep\n\n[MainForm]\nShowCmd=3\nName=\"'quoted'\"\n\n[Third]\nA=b\n");
    EXPECT_EQ(IniFile::parse(ini.text()).value("MainForm", "Name"), "'quoted'");
    EXPECT_EQ(ini.value("other", "KEY"), "keep");
}

using WindowPlacementTest = ShellFixture;

TEST_F(WindowPlacementTest, FirstRunCentresAndClosingWritesEveryKey) {
    auto form = makeForm();
    form->show();
    const QRect centred = form->geometry();
    EXPECT_EQ(centred.size(), QSize(946, 586));
    EXPECT_LE((centred.center() - form->screen()->availableGeometry().center()).manhattanLength(), 8);
    form->close();
    const IniFile ini = IniFile::load(programFile("Spendrake.ini"));
    const QString sized = QString("(%1x%2)").arg(form->screen()->geometry().width()).arg(form->screen()->geometry().height());
    for (const QString &key : {QString("FormVersion"), QString("Flags"), QString("ShowCmd"), QString("PixelsPerInch"),
                               "MinMaxPos" + sized, QString("MinMaxPos"), "NormPos" + sized, QString("NormPos"),
                               QString("Visible")})
        EXPECT_TRUE(ini.contains("MainForm", key)) << key.toStdString();
    EXPECT_EQ(ini.value("MainForm", "Visible"), "0");
    EXPECT_EQ(ini.value("MainForm", "ShowCmd"), "1");
    form.reset();  // the destruction after a close does not write again
    EXPECT_EQ(IniFile::load(programFile("Spendrake.ini")).value("MainForm", "Visible"), "0");
}

TEST_F(WindowPlacementTest, RestoresPlaceAndMaximisedState) {
    QFile file(programFile("Spendrake.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[MainForm]\nFormVersion=0\nShowCmd=3\nPixelsPerInch=" +
               QByteArray::number(placementPixelsPerInch()) + "\nNormPos=10 20 610 420\n");
    file.close();
    auto form = makeForm();
    form->show();
    EXPECT_TRUE(form->isMaximized());
    EXPECT_EQ(form->normalGeometry(), QRect(10, 20, 600, 400));
    form->close();
    const IniFile ini = IniFile::load(programFile("Spendrake.ini"));
    EXPECT_EQ(ini.value("MainForm", "ShowCmd"), "3");
    EXPECT_EQ(ini.value("MainForm", "NormPos"), "10,20,610,420");
}

TEST_F(WindowPlacementTest, ShowCodesGiveTheirStates) {
    const std::vector<std::pair<int, Qt::WindowState>> cases = {
        {1, Qt::WindowNoState}, {5, Qt::WindowNoState}, {9, Qt::WindowNoState}, {3, Qt::WindowMaximized},
        {2, Qt::WindowMinimized}, {6, Qt::WindowMinimized}, {7, Qt::WindowMinimized}, {4, Qt::WindowNoState},
        {0, Qt::WindowNoState}};
    for (const auto &[code, state] : cases) {
        QFile file(programFile("Spendrake.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[MainForm]\nShowCmd=" + QByteArray::number(code) + "\n");
        file.close();
        auto form = makeForm();
        form->show();
        QCoreApplication::processEvents();  // the minimise waits for the event loop
        EXPECT_EQ(form->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), state) << code;
        form->close();
        EXPECT_EQ(IniFile::load(programFile("Spendrake.ini")).value("MainForm", "ShowCmd"),
                  QString::number(state == Qt::WindowMinimized ? 2 : state == Qt::WindowMaximized ? 3 : 1))
            << code;
    }
}

TEST_F(WindowPlacementTest, IgnoresRectanglesItCannotUse) {
    const QByteArray ppi = QByteArray::number(placementPixelsPerInch());
    const QList<QByteArray> cases = {
        "PixelsPerInch=" + QByteArray::number(placementPixelsPerInch() + 24) + "\nNormPos=10,20,610,420",
        "PixelsPerInch=" + ppi + "\nNormPos=610,20,10,420",
        "PixelsPerInch=" + ppi + "\nNormPos=10,420,610,20",
        "FormVersion=-1\nPixelsPerInch=" + ppi + "\nNormPos=10,20,610,420"};
    const QRect design = [this] {
        auto form = makeForm();
        form->show();
        return form->geometry();
    }();
    for (const QByteArray &body : cases) {
        QFile file(programFile("Spendrake.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[MainForm]\n" + body + "\n");
        file.close();
        auto form = makeForm();
        form->show();
        EXPECT_EQ(form->geometry(), design) << body.toStdString();
        EXPECT_FALSE(form->isMaximized());
    }
}

TEST_F(WindowPlacementTest, KeepsAFarAwayWindowOnTheScreen) {
    QFile file(programFile("Spendrake.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[MainForm]\nPixelsPerInch=" + QByteArray::number(placementPixelsPerInch()) +
               "\nNormPos=-2000000000,90000,2000000000,2100000000\n");
    file.close();
    auto form = makeForm();
    form->show();
    EXPECT_TRUE(form->screen()->virtualGeometry().intersects(form->geometry()));
}

TEST_F(WindowPlacementTest, ExitSavesWhileTheWindowIsDestroyed) {
    auto form = makeForm();
    form->show();
    form->Exit1Click();
    form.reset();
    EXPECT_EQ(IniFile::load(programFile("Spendrake.ini")).value("MainForm", "Visible"), "1");
}

TEST_F(WindowPlacementTest, AnUnwritableFileIsReportedAndTheWindowStillCloses) {
    ASSERT_TRUE(QDir(programDir.path()).mkdir("Spendrake.ini"));  // a folder where the file should be
    auto form = makeForm();
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    form.reset();
    EXPECT_EQ(errors, QStringList{"Unable to write to " + programFile("Spendrake.ini") + "."});
}

TEST_F(WindowPlacementTest, AWindowNeverShownIsNeverSaved) {
    makeForm().reset();
    EXPECT_FALSE(QFile::exists(programFile("Spendrake.ini")));
}
