#pragma once
#include "ErrorBox.h"
#include "PlacementRecord.h"

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

// Keeps a window's place, size and state in a section of the placement file: restored when
// the window is shown, saved when it is asked to close or, failing that, when it is destroyed.
// It listens to the window's events, so the window itself needs no code for it beyond telling
// it about its destruction.
class TFormPlacement : public QObject {
public:
    TFormPlacement(QWidget &window, ErrorBox errorBox);
    ~TFormPlacement() override;

    bool Active = true;
    QString IniFileName;
    QString IniSection = "MainForm";
    int Version = 0;

    void restore();
    // Raises "Unable to write to <file>" when the file cannot be written.
    void save();
    // The window calls this first thing in its destructor.
    void windowDestroyed();

    bool restored() const { return restored_; }
    bool saved() const { return saved_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyPosition(const PlacementRecord &record);
    void applyState(const PlacementRecord &record);
    PlacementRecord currentRecord() const;
    PlacementRecord::Quad currentNormal() const;
    QRect keptOnScreen(const PlacementRecord::Quad &normal) const;

    QWidget &window_;
    ErrorBox errorBox_;
    bool restored_ = false;
    bool saved_ = false;
    bool destroying_ = false;
};

// The screen the placement keys are written for, and its logical resolution.
QSize placementScreenSize();
int placementPixelsPerInch();
