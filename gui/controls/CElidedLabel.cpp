#include "CElidedLabel.h"
#include <QPainter>
#include <QStyle>

QSize CElidedLabel::minimumSizeHint() const {
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("\u2026")),
                 QLabel::minimumSizeHint().height());
}

void CElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect rc = contentsRect();
    const QString str = fontMetrics().elidedText(text(), Qt::ElideRight, rc.width());
    style()->drawItemText(&painter, rc, int(alignment()), palette(), isEnabled(), str,
                          foregroundRole());
}
