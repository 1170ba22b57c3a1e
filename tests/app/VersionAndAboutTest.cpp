// The version information read from program files, the about box and the date picker.
#include "AboutBox.h"
#include "DatePicker.h"
#include "DayNumber.h"
#include "ShellFixture.h"
#include "VersionBlock.h"
#include "VersionInfoResource.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

namespace {

QByteArray block(std::array<std::uint16_t, 4> version, std::string_view copyright = "(C) Us") {
    VersionBlock::Contents contents{version, version, 0x0409, 0x04E4, {}};
    contents.values[TVersionInfoResource::LegalCopyright] = copyright;
    QByteArray bytes(qsizetype(VersionBlock::encode(contents, nullptr)), '\0');
    VersionBlock::encode(contents, bytes.data());
    return bytes;
}

QByteArray marker() { return QByteArray(VersionBlock::Marker.data(), qsizetype(VersionBlock::Marker.size())); }

} // namespace

TEST(VersionInfoTest, ReadsTheBlockInsideAProgramFile) {
    TVersionInfoResource info(SPENDRAKE_TEST_DATA "/no-such-program");
    EXPECT_FALSE(info.hasVersion());
    // A stray marker with nonsense behind it comes first and is passed over.
    const QByteArray file = QByteArray(1000, '\xcc') + marker() + "\x03\0\0\0xyz" + block({1, 10, 0, 255}) + "tail";
    ASSERT_TRUE(info.loadFrom(file));
    EXPECT_EQ(info.fileVersionText(), "1.10.0.255");
    EXPECT_EQ(info.productVersionText(), "1.10.0.255");
    EXPECT_EQ(info.translations(), QStringList{"040904E4"});
    EXPECT_EQ(info.value(TVersionInfoResource::LegalCopyright), "(C) Us");
    EXPECT_EQ(info.value(TVersionInfoResource::ProductName), "");
    EXPECT_EQ(info.value(11), "");
    EXPECT_EQ(info.value(-1), "");
}

TEST(VersionInfoTest, ABrokenBlockGivesNoVersionText) {
    const QByteArray whole = block({65535, 0, 1, 2});
    std::vector<QByteArray> files;
    for (qsizetype cut : {qsizetype(0), marker().size() + 2, marker().size() + 20, whole.size() - 1})
        files.push_back(whole.left(cut));
    QByteArray hugeLength = whole;
    hugeLength[marker().size() + 3] = '\x7f';
    files.push_back(hugeLength);
    QByteArray tooManyStrings = whole;
    tooManyStrings[marker().size() + 4 + 16 + 6] = '\xff';
    files.push_back(tooManyStrings);
    for (const QByteArray &file : files) {
        TVersionInfoResource info(SPENDRAKE_TEST_DATA "/no-such-program");
        EXPECT_FALSE(info.loadFrom(file)) << file.size();
        EXPECT_EQ(info.fileVersionText(), "");
        EXPECT_EQ(info.value(TVersionInfoResource::LegalCopyright), "");
        EXPECT_TRUE(info.translations().isEmpty());
    }
    TVersionInfoResource info(SPENDRAKE_TEST_DATA "/no-such-program");
    EXPECT_TRUE(info.loadFrom(whole));
    EXPECT_EQ(info.fileVersionText(), "65535.0.1.2");
}

TEST(VersionInfoTest, TheRunningProgramCarriesTheProjectVersion) {
    TVersionInfoResource info;
    EXPECT_EQ(info.fileVersionText(), "1.0.0.2");
    EXPECT_EQ(info.translations(), QStringList{"040904E4"});
    EXPECT_EQ(info.value(TVersionInfoResource::ProductName), "Spendrake");
    EXPECT_FALSE(info.value(TVersionInfoResource::LegalCopyright).isEmpty());
}

using AboutBoxTest = ShellFixture;

TEST_F(AboutBoxTest, ShowsTheSameVersionAndCopyrightEveryTime) {
    TVersionInfoResource version;
    for (int opening = 0; opening < 2; ++opening) {
        TAboutBox box(version, nullptr);
        EXPECT_EQ(box.windowTitle(), "About Spendrake");
        box.show();
        EXPECT_EQ(box.Label3()->text(), "Beta Version 1.0.0.2");
        EXPECT_EQ(box.Label7()->text(), version.value(TVersionInfoResource::LegalCopyright));
        EXPECT_EQ(box.PageControl1()->tabText(0), "About");
        EXPECT_TRUE(box.Button1()->isDefault());
        box.Button1()->click();
        EXPECT_FALSE(box.isVisible());
    }
}

using DatePickerTest = ShellFixture;

TEST_F(DatePickerTest, BlankIsNoDateAndTwoDigitYearsPivotAt1950) {
    DatePicker picker;
    picker.setLocaleFormats(LocaleFormats::unitedStates());
    QSignalSpy changes(&picker, &DatePicker::textChanged);
    picker.setDate(DayNumber::fromDate(QDate(2014, 3, 5)));
    EXPECT_EQ(picker.text(), "3/5/2014");
    picker.setDate(0);
    EXPECT_EQ(picker.text(), "");
    EXPECT_EQ(picker.date(), 0);
    EXPECT_EQ(changes.count(), 2);
    const std::vector<std::pair<const char *, QDate>> typed = {
        {"1/2/49", QDate(2049, 1, 2)}, {"1/2/50", QDate(1950, 1, 2)}, {"12/31/1999", QDate(1999, 12, 31)}};
    for (const auto &[text, date] : typed) {
        picker.setText(text);
        EXPECT_TRUE(picker.hasValidDate()) << text;
        EXPECT_EQ(DayNumber::toDate(picker.date()), date) << text;
    }
    picker.setText("3/5/");
    EXPECT_FALSE(picker.hasValidDate());
    EXPECT_EQ(picker.date(), 0);
}

TEST_F(DatePickerTest, TheCalendarAnnouncesOpeningAndClosing) {
    DatePicker picker;
    picker.setLocaleFormats(LocaleFormats::unitedStates());
    picker.setDate(DayNumber::fromDate(QDate(2014, 3, 5)));
    QSignalSpy dropped(&picker, &DatePicker::droppedDown);
    QSignalSpy closed(&picker, &DatePicker::closedUp);
    picker.show();
    picker.dropDown();
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_TRUE(picker.calendarShown());
    QWidget *popup = QApplication::activePopupWidget();
    ASSERT_TRUE(popup);
    popup->hide();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(picker.text(), "3/5/2014");
}
