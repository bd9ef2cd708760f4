// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QWidget>

namespace tollwick {

/// A rounded rectangle filled with the tooltip background, behind the help text.
class RoundedShape final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RoundedShape)

public:
    explicit RoundedShape(QWidget* parent);
    ~RoundedShape() override = default;

    void SetColours(const QColor& fill, const QColor& outline);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor outline_;
};

/// A label that reports a click of the left mouse button, for the links of the About page.
class LinkLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkLabel)

public:
    explicit LinkLabel(QWidget* parent);
    ~LinkLabel() override = default;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tollwick
