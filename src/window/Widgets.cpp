// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace tollwick {

RoundedShape::RoundedShape(QWidget* parent)
    : QWidget(parent), fill_(palette().color(QPalette::ToolTipBase)), outline_(palette().color(QPalette::ToolTipText))
{
}

void RoundedShape::SetColours(const QColor& fill, const QColor& outline)
{
    fill_ = fill;
    outline_ = outline;
    update();
}

void RoundedShape::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(outline_);
    painter.setBrush(fill_);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(box, 8, 8);
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace tollwick
