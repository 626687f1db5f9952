#pragma once
#include <QLabel>

// A one-line label that ends in "…" when it is narrower than its text; text() stays whole.
class CElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};
