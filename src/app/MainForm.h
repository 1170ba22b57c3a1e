#pragma once
#include "Ascii2DB.h"
#include "FormPlacement.h"
#include "ImportCommand.h"
#include "LimitMe.h"
#include "MainFormReportControls.h"
#include "MainFormServices.h"
#include "QtImportFileChooser.h"
#include "QtTransferProgress.h"
#include "ReportRefresh.h"
#include "TableDatabase.h"
#include "TppReport.h"
#include "TransactionTable.h"
#include "TwwFilterDialog.h"
#include "TwwSaveFilter.h"
#include "VersionInfoResource.h"

#include <QMainWindow>

class DatePicker;
class QAction;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;
class TwwFilterDlg;
class TwwKeyComboBox;
class TableField;
class TransactionGrid;
class TppViewer;

// The main window: the tool bars with the report and criteria controls, the description
// panel, the Report and Transactions pages, the menus and every handler. Its construction is
// the start-up sequence; a second instance ends there before any window shows.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(MainFormServices services, QWidget *parent = nullptr);
    ~TMainForm() override;

    // True when another instance was running: the caller ends the program without showing us.
    bool instanceRefused() const { return instanceRefused_; }

    // Program-wide values.
    const QString &ProgramDir() const { return ProgramDir_; }
    bool Initializing() const { return refresh_.Initializing; }
    double AllStartDate() const { return AllStartDate_; }
    double AllEndDate() const { return AllEndDate_; }
    void setAllDates(double start, double end) { AllStartDate_ = start, AllEndDate_ = end; }
    // The marker the advanced filter button keeps: 1 when the criteria changed since the
    // dialog was last opened.
    int CriteriaChanged() const { return refresh_.CriteriaChanged; }
    void setCriteriaChanged(int value) { refresh_.CriteriaChanged = value; }
    // The net sum of the amounts after the last successful import, debits negative.
    double ImportTotal() const { return importCommand_.ImportTotal(); }
    const QString &savedFiltersFile() const { return savedFiltersFile_; }

    // Components.
    TransactionTable &TransDB() { return TransDB_; }
    TableDatabase &Database1() { return Database1_; }
    TFormPlacement &FormPlacement1() { return FormPlacement1_; }
    TVersionInfoResource &VersionInfoResource1() { return VersionInfoResource1_; }
    TLimitMe &LimitMe1() { return LimitMe1_; }
    TwwFilterDialog &FilterDlg() { return FilterDlg_; }
    TwwSaveFilter &wwSaveFilter1() { return wwSaveFilter1_; }
    TppReport &ppReport1() { return ppReport1_; }
    TppDBPipeline &ppDBPipeline1() { return ppDBPipeline1_; }
    TAscii2DB &Ascii2DB1() { return Ascii2DB1_; }
    Prompt &prompt() const { return *services_.prompt; }
    const ErrorBox &errorBox() const { return services_.errorBox; }
    const LocaleFormats &localeFormats() const { return services_.formats; }

    // Report tool bar.
    QToolBar *Toolbar3() const { return Toolbar3_; }
    QToolButton *ToolbarButton2() const { return ToolbarButton2_; }
    QToolButton *spbPreviewWhole() const { return spbPreviewWhole_; }
    QToolButton *spbPreviewWidth() const { return spbPreviewWidth_; }
    QToolButton *spbPreview100Percent() const { return spbPreview100Percent_; }
    QToolButton *spbPreviewFirst() const { return spbPreviewFirst_; }
    QToolButton *spbPreviewPrior() const { return spbPreviewPrior_; }
    QLineEdit *mskPreviewPage() const { return mskPreviewPage_; }
    QToolButton *spbPreviewNext() const { return spbPreviewNext_; }
    QToolButton *spbPreviewLast() const { return spbPreviewLast_; }
    QLineEdit *mskPreviewPercentage() const { return mskPreviewPercentage_; }
    QToolButton *AdvFilterBtn() const { return AdvFilterBtn_; }

    // Criteria tool bar.
    QToolBar *Toolbar2() const { return Toolbar2_; }
    QComboBox *AcctList() const { return AcctList_; }
    QToolButton *ToolbarButton1() const { return ToolbarButton1_; }
    QLabel *Label1() const { return Label1_; }
    DatePicker *StartDate() const { return StartDate_; }
    QLabel *Label2() const { return Label2_; }
    DatePicker *EndDate() const { return EndDate_; }
    QLabel *Label3() const { return Label3_; }
    TwwKeyComboBox *wwKeyCombo1() const { return wwKeyCombo1_; }
    QCheckBox *BreakCheckbox() const { return BreakCheckbox_; }
    QCheckBox *TotalsOnly() const { return TotalsOnly_; }

    // Description panel, pages and status bar. The two pages are empty holders with a
    // margin-free layout for the preview and the grid.
    QLabel *ReportDesc() const { return ReportDesc_; }
    QTabWidget *PageControl1() const { return PageControl1_; }
    QWidget *TabSheet2() const { return TabSheet2_; }  // "Report"
    TppViewer *ppViewer1() const { return ppViewer1_; }
    QWidget *TabSheet1() const { return TabSheet1_; }  // "&Transactions"
    TransactionGrid *Transactions() const { return Transactions_; }
    QStatusBar *StatusBar1() const { return StatusBar1_; }
    QString statusPanelText(int panel) const;

    // Menus.
    QMenu *PopupMenu1() const { return PopupMenu1_; }  // date range presets
    QMenu *PopupMenu2() const { return PopupMenu2_; }  // saved filters
    QAction *menuItem(const QString &objectName) const;

    // Runs a handler inside the standard error box; false when it raised an error.
    template <typename Work>
    bool guarded(Work &&work) {
        return runGuarded(services_.errorBox, std::forward<Work>(work));
    }

    // Start-up, display and ending.
    void FormCreate();
    void FormShow();
    void LoadTransactions();
    void LimitMe1BeforeTerminate();
    void Exit1Click();

    // Maintenance, help and about.
    void EmptyDatabase1Click();
    void RepairDatabase1Click();
    void RestorePreviousTable1Click();
    // Enables Tools > Restore Previous Table exactly when a previous table is kept.
    void updateRestoreItem();
    // Status bar: the count of transactions passing the criteria (after every refresh, which
    // also clears an import receipt) and the receipt of the last import.
    void showRowCount(std::optional<int> count);
    void showImportReceipt(const ImportOutcome &outcome);
    void HowtoImportyourTransactions1Click();
    void HowtoFilteryourTransactions1Click();
    void WebSite1Click();
    void ContactOrvaneSoftware1Click();
    void SendFeedback1Click();
    void About1Click();

    // Import, report, preview, criteria, grid and filters: wired here, filled by their own code.
    void Open1Click();
    void Button3Click();
    void spbPreviewPrintClick();
    void spbPreviewWholeClick();
    void spbPreviewWidthClick();
    void spbPreview100PercentClick();
    void spbPreviewFirstClick();
    void spbPreviewPriorClick();
    void spbPreviewNextClick();
    void spbPreviewLastClick();
    void mskPreviewPageKeyPress(QKeyEvent *event);
    void mskPreviewPercentageKeyPress(QKeyEvent *event);
    void ppViewer1PageChange();
    void ExportPdf1Click();
    void ExportTransactions1Click();
    void Button2Click();
    void FilterDlgInitDialog(TwwFilterDlg &Dialog);
    void FilterDlgSelectField(const QString &FieldName, QString &PictureMask, QStringList &ComboList);
    void SaveFilterClick();
    void PopupMenu2Popup();
    void LoadFilterMenu();
    void ClearFilterClick();
    void LoadFilter(QAction *item);
    void DeleteFilter(QAction *item);
    void BuildAccountList();
    void AcctListChange();
    void StartDateCloseUp();
    void StartDateDropDown();
    void EndDateCloseUp();
    void EndDateDropDown();
    void All1Click();
    void Today1Click(QAction *sender);
    void wwKeyCombo1Choose(const QString &entry);
    void wwKeyCombo1Change();
    void TransactionsCalcCellColors(int row, const TableField &Field, bool Highlight, QColor &ink);
    void TransactionsTopRowChanged();
    void TransactionsDblClick();
    void TransactionsTitleButtonClick(const QString &AFieldName);
    // How many report refreshes ran since the window was made.
    int refreshCount() const { return refresh_.refreshCount(); }
    void BreakCheckboxClick();
    void TotalsOnlyClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void buildStatusBar();
    void buildPreview();
    void buildGrid();
    int firstListedYear() const;
    void showZoom();
    void buildReportToolbar();
    void buildPreviewButtons();
    void buildCriteriaToolbar();
    void buildDateControls();
    void buildMainMenu();
    void buildFileAndToolsMenus();
    void buildHelpMenu();
    void buildRangeMenu();
    void buildSavedFilterMenu();
    void wireReportToolbar();
    void wireCriteriaToolbar();
    void placeAtDesignSize();
    void setUpReport();
    QAction *addMenuItem(QMenu *menu, const QString &objectName, const QString &caption,
                         void (TMainForm::*handler)(), const QKeySequence &shortcut = {});
    template <typename Sender, typename Signal>
    void wire(Sender *sender, Signal signal, void (TMainForm::*handler)());
    void openPage(const QString &path);
    bool runFilterDialog(FilterDialogSession &session);

    MainFormServices services_;
    bool instanceRefused_ = false;
    QString ProgramDir_;
    double AllStartDate_ = 0;
    double AllEndDate_ = 0;
    QString savedFiltersFile_;

    TLimitMe LimitMe1_;
    TableDatabase Database1_{"ReportKelvDB"};
    TransactionTable TransDB_{Database1_, "transactions.DAT"};
    TVersionInfoResource VersionInfoResource1_;
    TFormPlacement FormPlacement1_;
    TwwFilterDialog FilterDlg_{TransDB_, *services_.prompt};
    TwwSaveFilter wwSaveFilter1_{FilterDlg_, *services_.prompt};
    TppDBPipeline ppDBPipeline1_;
    TppReport ppReport1_;
    MainFormReportControls reportControls_{*this};
    ReportRefresh refresh_{reportControls_, TransDB_, FilterDlg_, ppReport1_};
    TAscii2DB Ascii2DB1_;
    QtTransferProgress transferProgress_{this};
    QtImportFileChooser OpenDialog1_{this};
    ImportCommand importCommand_;

    QToolBar *Toolbar3_ = nullptr;
    QToolButton *ToolbarButton2_ = nullptr;
    QToolButton *spbPreviewWhole_ = nullptr;
    QToolButton *spbPreviewWidth_ = nullptr;
    QToolButton *spbPreview100Percent_ = nullptr;
    QToolButton *spbPreviewFirst_ = nullptr;
    QToolButton *spbPreviewPrior_ = nullptr;
    QLineEdit *mskPreviewPage_ = nullptr;
    QToolButton *spbPreviewNext_ = nullptr;
    QToolButton *spbPreviewLast_ = nullptr;
    QLineEdit *mskPreviewPercentage_ = nullptr;
    QToolButton *AdvFilterBtn_ = nullptr;

    QToolBar *Toolbar2_ = nullptr;
    QComboBox *AcctList_ = nullptr;
    QToolButton *ToolbarButton1_ = nullptr;
    QLabel *Label1_ = nullptr;
    DatePicker *StartDate_ = nullptr;
    QLabel *Label2_ = nullptr;
    DatePicker *EndDate_ = nullptr;
    QLabel *Label3_ = nullptr;
    TwwKeyComboBox *wwKeyCombo1_ = nullptr;
    QCheckBox *BreakCheckbox_ = nullptr;
    QCheckBox *TotalsOnly_ = nullptr;

    QLabel *ReportDesc_ = nullptr;
    QTabWidget *PageControl1_ = nullptr;
    QWidget *TabSheet2_ = nullptr;
    TppViewer *ppViewer1_ = nullptr;
    QWidget *TabSheet1_ = nullptr;
    TransactionGrid *Transactions_ = nullptr;
    QStatusBar *StatusBar1_ = nullptr;
    QLabel *statusPanels_[3] = {nullptr, nullptr, nullptr};  // version, row count, receipt

    QMenu *PopupMenu1_ = nullptr;
    QMenu *PopupMenu2_ = nullptr;
};

template <typename Sender, typename Signal>
void TMainForm::wire(Sender *sender, Signal signal, void (TMainForm::*handler)()) {
    connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}
