#include "widgets/ElidingLabel.h"

#include "widgets/PlainText.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

QSize TElidingLabel::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(QStringLiteral("…")), QLabel::minimumSizeHint().height()};
}

QString TElidingLabel::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

bool TElidingLabel::IsElided() const
{
    return ShownText() != text();
}

bool TElidingLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        if (IsElided())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), PlainText::ToolTip(text()),
                               this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void TElidingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), ShownText(),
                          foregroundRole());
}
