#include "widgets/ElidingLabel.h"

#include "widgets/PlainText.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {

// A label's own accessible interface gives its text as its name: a value's name is its caption and
// its text, and its value the text.
class TElidingLabelAccessible : public QAccessibleWidget
{
public:
    explicit TElidingLabelAccessible(TElidingLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const TElidingLabel*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->AccessibleName();
        case QAccessible::Value:
            return label->text();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("TElidingLabel") && object && object->isWidgetType())
        return new TElidingLabelAccessible(static_cast<TElidingLabel*>(object));
    return nullptr;
}

void InstallAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleFor);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace

TElidingLabel::TElidingLabel(QWidget* parent) : QLabel(parent)
{
    InstallAccessibleFactory();
}

TElidingLabel::TElidingLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    InstallAccessibleFactory();
}

void TElidingLabel::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

// A caption that ends in a colon ("Print count:") is read without it.
QString TElidingLabel::AccessibleName() const
{
    QString caption = m_caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    if (caption.isEmpty() || text().isEmpty())
        return caption.isEmpty() ? text() : caption;
    return tr("%1: %2", "caption, value").arg(caption, text());
}

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
