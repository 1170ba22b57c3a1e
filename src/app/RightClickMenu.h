#pragma once
#include <QMenu>
#include <QWidget>

// Pops `menu` up where `widget` is right-clicked.
inline void showMenuOnRightClick(QWidget *widget, QMenu *menu) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                     [widget, menu](const QPoint &at) { menu->popup(widget->mapToGlobal(at)); });
}
