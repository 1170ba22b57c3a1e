#include "AboutBox.h"
#include "VersionInfoResource.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QFont arial(int points, bool bold = false) {
    QFont font("Arial");
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QLabel *picture(QWidget *parent, const QString &resource, const QRect &place, bool stretched) {
    auto *image = new QLabel(parent);
    image->setGeometry(place);
    QPixmap pixmap(resource);
    image->setPixmap(stretched ? pixmap.scaled(place.size()) : pixmap);
    image->setScaledContents(stretched);
    return image;
}

} // namespace

TAboutBox::TAboutBox(const TVersionInfoResource &version, QWidget *owner)
    : QDialog(owner), version_(version), PageControl1_(new QTabWidget(this)) {
    setObjectName("AboutBox");
    setWindowTitle("About Spendrake");
    setAttribute(Qt::WA_DeleteOnClose, false);
    QFont designFont = font();
    designFont.setPointSize(8);
    setFont(designFont);
    setFixedSize(368, 265);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    PageControl1_->setTabPosition(QTabWidget::South);
    layout->addWidget(PageControl1_);
    auto *page = new QWidget;
    PageControl1_->addTab(page, "About");
    buildPanel(page);

    Button1_ = new QPushButton("OK", page);
    Button1_->setGeometry(282, 215, 75, 25);
    Button1_->setDefault(true);
    connect(Button1_, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget *TAboutBox::buildPanel(QWidget *page) {
    auto *panel = new QFrame(page);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 1, 357, 200);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    panel->setPalette(white);
    QFont bold = panel->font();
    bold.setBold(true);
    panel->setFont(bold);

    picture(panel, ":/app/logo.png", QRect(3, 4, 150, 120), false)->setObjectName("Image1");
    picture(panel, ":/app/report-sheet.png", QRect(229, 11, 111, 75), true)->setObjectName("Image2");

    Label7_ = new QLabel(panel);
    Label7_->setObjectName("Label7");
    Label7_->setGeometry(216, 91, 137, 24);
    Label7_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label7_->setWordWrap(true);
    Label7_->setFont(arial(8));
    Label7_->setStyleSheet("color: black");

    wwDBRichEdit2_ = new QTextEdit(panel);
    wwDBRichEdit2_->setObjectName("wwDBRichEdit2");
    wwDBRichEdit2_->setGeometry(18, 124, 321, 55);
    wwDBRichEdit2_->setReadOnly(true);
    wwDBRichEdit2_->setFrameShape(QFrame::NoFrame);
    wwDBRichEdit2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    wwDBRichEdit2_->setHtml("<div style=\"font-family:Arial; font-size:12pt; font-weight:bold\">Spendrake</div>"
                            "<div style=\"font-family:Arial; font-size:10pt; font-weight:normal\">"
                            "Turns the transactions of your online finance service into clear printed reports."
                            "</div>");

    Label3_ = new QLabel(panel);
    Label3_->setObjectName("Label3");
    Label3_->move(21, 184);
    Label3_->setFont(arial(8));
    Label3_->setStyleSheet("color: navy");
    return panel;
}

void TAboutBox::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TAboutBox::FormShow() {
    Label3_->setText("Beta Version " + version_.fileVersionText());
    Label3_->adjustSize();
    Label7_->setText(version_.value(TVersionInfoResource::LegalCopyright));
    PageControl1_->setCurrentIndex(0);
}
