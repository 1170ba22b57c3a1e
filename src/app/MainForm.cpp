#include "MainForm.h"
#include "ApplicationTitle.h"
#include "DatePicker.h"
#include "DateFunctions.h"
#include "TransactionGrid.h"
#include "TwwKeyComboBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

MainFormServices withDefaults(MainFormServices services, QWidget *window) {
    if (!services.errorBox) services.errorBox = [window](const QString &text) { showStandardErrorBox(window, text); };
    if (!services.openUrl) services.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    if (!services.today) services.today = [] { return DateFunctions::Today(); };
    if (services.programPath.isEmpty()) services.programPath = QCoreApplication::applicationFilePath();
    return services;
}

QWidget *emptyPage() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    return page;
}

} // namespace

TMainForm::TMainForm(MainFormServices services, QWidget *parent)
    : QMainWindow(parent), services_(withDefaults(std::move(services), this)),
      FormPlacement1_(*this, services_.errorBox),
      importCommand_(TransDB_, Ascii2DB1_, *services_.prompt,
                     services_.importFileChooser ? *services_.importFileChooser : OpenDialog1_,
                     {[this] { LoadTransactions(); }, [this] { Button3Click(); }}) {
    setObjectName("MainForm");
    setWindowTitle(ApplicationTitle);
    setWindowIcon(QIcon(":/app/spendrake.png"));
    QFont designFont = font();
    designFont.setPointSize(8);
    setFont(designFont);
    TransDB_.setLocaleFormats(services_.formats);
    LimitMe1_.Bija = "SpendrakeAum";
    LimitMe1_.Terminate = true;
    LimitMe1_.BeforeTerminate = [this] { LimitMe1BeforeTerminate(); };
    LimitMe1_.LockDirectory = services_.lockDirectory;
    FormPlacement1_.IniSection = "MainForm";
    FilterDlg_.BusyCursor = [](bool busy) {
        busy ? QGuiApplication::setOverrideCursor(Qt::WaitCursor) : QGuiApplication::restoreOverrideCursor();
    };

    buildSavedFilterMenu();
    buildRangeMenu();
    buildReportToolbar();
    buildCriteriaToolbar();
    buildLayout();
    buildPreview();
    buildGrid();
    buildStatusBar();
    buildMainMenu();
    placeAtDesignSize();
    setUpReport();

    guarded([this] { FormCreate(); });
}

TMainForm::~TMainForm() {
    FormPlacement1_.windowDestroyed();
    // The grid and the sort selector watch the table; they go before it does, not with the
    // other child widgets after the members.
    delete Transactions_;
    delete wwKeyCombo1_;
}

void TMainForm::buildLayout() {
    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ReportDesc_ = new QLabel("Trans Action Report:", client);
    ReportDesc_->setObjectName("ReportDesc");
    ReportDesc_->setFixedHeight(26);
    ReportDesc_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ReportDesc_->setIndent(4);
    ReportDesc_->setAutoFillBackground(true);
    QPalette tipColours = ReportDesc_->palette();
    tipColours.setColor(QPalette::Window, tipColours.color(QPalette::ToolTipBase));
    tipColours.setColor(QPalette::WindowText, tipColours.color(QPalette::ToolTipText));
    ReportDesc_->setPalette(tipColours);
    QFont descFont = ReportDesc_->font();
    descFont.setPointSize(10);
    descFont.setBold(true);
    ReportDesc_->setFont(descFont);
    layout->addWidget(ReportDesc_);

    PageControl1_ = new QTabWidget(client);
    PageControl1_->setObjectName("PageControl1");
    PageControl1_->setDocumentMode(true);  // tabs as flat buttons
    TabSheet2_ = emptyPage();
    TabSheet2_->setObjectName("TabSheet2");
    TabSheet1_ = emptyPage();
    TabSheet1_->setObjectName("TabSheet1");
    PageControl1_->addTab(TabSheet2_, "Report");
    PageControl1_->addTab(TabSheet1_, "&Transactions");
    PageControl1_->setCurrentIndex(0);
    layout->addWidget(PageControl1_, 1);
    setCentralWidget(client);
}

void TMainForm::buildStatusBar() {
    StatusBar1_ = new QStatusBar(this);
    StatusBar1_->setObjectName("StatusBar1");
    StatusBar1_->setFixedHeight(19);
    StatusBar1_->setSizeGripEnabled(true);
    // Panel 0 fits the version, panel 1 "1,000,000 transactions"; the receipt takes the rest.
    const QFontMetrics metrics(font());
    const int widths[3] = {metrics.horizontalAdvance("Version 10.10.10.10") + 12,
                           metrics.horizontalAdvance("1,000,000 transactions") + 12, 0};
    const char *texts[3] = {"Version", "", ""};
    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel(texts[i], StatusBar1_);
        if (widths[i] > 0) statusPanels_[i]->setFixedWidth(widths[i]);
        statusPanels_[i]->setFrameShape(QFrame::StyledPanel);
        statusPanels_[i]->setFrameShadow(QFrame::Sunken);
        StatusBar1_->addWidget(statusPanels_[i], widths[i] > 0 ? 0 : 1);
    }
    // A long receipt is cut at the window's edge rather than widening the window; the whole
    // of it is in the panel's tool tip.
    statusPanels_[2]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setStatusBar(StatusBar1_);
}

// The design size, centred on the screen; a stored placement replaces both when shown.
void TMainForm::placeAtDesignSize() {
    resize(946, 586);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

QString TMainForm::statusPanelText(int panel) const {
    return panel >= 0 && panel < 3 ? statusPanels_[panel]->text() : QString();
}

QAction *TMainForm::menuItem(const QString &objectName) const { return findChild<QAction *>(objectName); }

void TMainForm::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    // A window coming back from the task bar is not shown anew.
    if (!event->spontaneous()) guarded([this] { FormShow(); });
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        // A key handler keeps a key from its box by ignoring the event.
        auto *key = static_cast<QKeyEvent *>(event);
        key->accept();
        if (watched == mskPreviewPage_) guarded([this, key] { mskPreviewPageKeyPress(key); });
        if (watched == mskPreviewPercentage_) guarded([this, key] { mskPreviewPercentageKeyPress(key); });
        if (!key->isAccepted()) {
            key->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
