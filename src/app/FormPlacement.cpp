#include "FormPlacement.h"
#include "IniFile.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ShowCode {
constexpr int Normal = 1;
constexpr int Minimised = 2;
constexpr int Maximised = 3;
// Two more codes a stored file may carry that also leave the window minimised.
constexpr int MinimisedInactive = 6;
constexpr int MinimisedNoActivate = 7;
} // namespace ShowCode

QSize placementScreenSize() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(0, 0);
}

int placementPixelsPerInch() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

TFormPlacement::TFormPlacement(QWidget &window, ErrorBox errorBox)
    : window_(window), errorBox_(std::move(errorBox)) {
    window_.installEventFilter(this);
}

TFormPlacement::~TFormPlacement() { window_.removeEventFilter(this); }

bool TFormPlacement::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &window_) {
        // A window coming back from the task bar is not shown anew. The window has no
        // close-query handler of its own, so closing is always allowed here.
        if (event->type() == QEvent::Show && !event->spontaneous() && Active)
            runGuarded(errorBox_, [this] { restore(); });
        if (event->type() == QEvent::Close && Active) runGuarded(errorBox_, [this] { save(); });
    }
    return QObject::eventFilter(watched, event);
}

void TFormPlacement::windowDestroyed() {
    if (!Active || saved_) return;
    destroying_ = true;
    runGuarded(errorBox_, [this] { save(); });
    destroying_ = false;
}

PlacementRecord::Quad TFormPlacement::currentNormal() const {
    QRect normal = window_.normalGeometry();
    if (!normal.isValid()) normal = window_.geometry();
    return {normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()};
}

PlacementRecord TFormPlacement::currentRecord() const {
    PlacementRecord record;
    record.formVersion = Version;
    record.flags = 0;  // this window system has no placement flags
    record.showCmd = window_.isMinimized()   ? ShowCode::Minimised
                     : window_.isMaximized() ? ShowCode::Maximised
                                             : ShowCode::Normal;
    record.pixelsPerInch = placementPixelsPerInch();
    record.minMaxPos = PlacementRecord::Quad{0, 0, 0, 0};  // no icon or maximised positions here
    record.normPos = currentNormal();
    return record;
}

void TFormPlacement::restore() {
    saved_ = false;
    const IniFile ini = IniFile::load(IniFileName);
    const PlacementRecord current = currentRecord();
    const PlacementRecord record =
        PlacementRecord::read(ini, IniSection, placementScreenSize(), current, *current.normPos);
    if (record.formVersion >= Version) {
        applyPosition(record);
        applyState(record);
        window_.update();
    }
    restored_ = true;
}

// A stored rectangle is applied only when it was written at this resolution and is not empty.
void TFormPlacement::applyPosition(const PlacementRecord &record) {
    if (!record.minMaxPos && !record.normPos) return;
    if (record.pixelsPerInch != placementPixelsPerInch()) return;
    const PlacementRecord::Quad normal = record.normPos.value_or(currentNormal());
    if (normal[0] >= normal[2] || normal[1] >= normal[3]) return;
    window_.setGeometry(keptOnScreen(normal));
}

// A file from another desktop, or a garbled one, must not put the window out of reach.
QRect TFormPlacement::keptOnScreen(const PlacementRecord::Quad &normal) const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
    const qint64 width = std::min<qint64>(qint64(normal[2]) - normal[0], desktop.width());
    const qint64 height = std::min<qint64>(qint64(normal[3]) - normal[1], desktop.height());
    QRect rect(normal[0], normal[1], int(width), int(height));
    if (!desktop.intersects(rect)) rect.moveCenter(screen ? screen->availableGeometry().center() : desktop.center());
    return rect;
}

void TFormPlacement::applyState(const PlacementRecord &record) {
    switch (record.showCmd) {
    case ShowCode::Minimised:
    case ShowCode::MinimisedInactive:
    case ShowCode::MinimisedNoActivate: {
        // Minimising before the window is on screen would be lost; do it once the loop runs.
        window_.setWindowState(Qt::WindowNoState);
        QPointer<QWidget> window(&window_);
        QMetaObject::invokeMethod(&window_, [window] { if (window) window->showMinimized(); }, Qt::QueuedConnection);
        break;
    }
    case ShowCode::Maximised:
        window_.setWindowState(Qt::WindowMaximized);
        break;
    default:
        window_.setWindowState(Qt::WindowNoState);
        break;
    }
}

void TFormPlacement::save() {
    if (Active && !restored_) return;  // a window never shown is never saved
    IniFile ini = IniFile::load(IniFileName);
    PlacementRecord record = currentRecord();
    record.visible = destroying_;
    record.write(ini, IniSection, placementScreenSize());
    saved_ = true;
    if (!ini.save(IniFileName)) throw EngineError("Unable to write to " + IniFileName);
}
