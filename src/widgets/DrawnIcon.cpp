#include "widgets/DrawnIcon.h"

#include <QIconEngine>
#include <QPainter>

namespace {
class TDrawnIconEngine : public QIconEngine
{
public:
    explicit TDrawnIconEngine(DrawnIcon::TPaint paint) : m_paint(std::move(paint)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        Draw(*painter, rect, mode);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)), mode);
        return pixmap;
    }
    QIconEngine* clone() const override { return new TDrawnIconEngine(m_paint); }

private:
    void Draw(QPainter& painter, const QRectF& area, QIcon::Mode mode)
    {
        painter.save();
        if (mode == QIcon::Disabled)
            painter.setOpacity(painter.opacity() * 0.45);
        m_paint(painter, area);
        painter.restore();
    }

    DrawnIcon::TPaint m_paint;
};
} // namespace

QIcon DrawnIcon::Make(TPaint paint)
{
    return QIcon(new TDrawnIconEngine(std::move(paint)));
}
