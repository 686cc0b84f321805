#include "app/preview/LabelPictureView.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {
// The wheel's angle for one notch, in eighths of a degree.
constexpr double NotchAngle = 120;
// Free room around a fitted picture, in screen pixels.
constexpr int FitMargin = 4;
} // namespace

TLabelPictureView::TLabelPictureView(QWidget* parent) : QGraphicsView(parent)
{
    setScene(new QGraphicsScene(this));
    setBackgroundBrush(palette().brush(QPalette::Mid));
    setDragMode(QGraphicsView::ScrollHandDrag);
    setFocusPolicy(Qt::StrongFocus);
    setTransformationAnchor(NoAnchor); // ZoomBy keeps its own point in place
}

void TLabelPictureView::ShowPicture(const QImage& picture, const QList<QRect>& framedAreas)
{
    Clear();
    m_picture = scene()->addPixmap(QPixmap::fromImage(picture));
    QPen framePen(FindingColour, FramePenWidth);
    framePen.setCosmetic(true); // as wide at every zoom
    for (const QRect& area : framedAreas)
        scene()->addRect(QRectF(area), framePen)->setZValue(1);
    scene()->setSceneRect(QRectF(picture.rect()));
    FitToWindow();
}

void TLabelPictureView::Clear()
{
    scene()->clear();
    m_picture = nullptr;
    scene()->setSceneRect(QRectF());
    SetZoom(1);
    m_fitting = true;
}

void TLabelPictureView::ZoomIn()
{
    ZoomBy(ZoomStep, viewport()->rect().center());
}

void TLabelPictureView::ZoomOut()
{
    ZoomBy(1 / ZoomStep, viewport()->rect().center());
}

void TLabelPictureView::FitToWindow()
{
    m_fitting = true;
    if (!m_picture)
        return;
    SetZoom(FitZoom());
    centerOn(sceneRect().center());
}

void TLabelPictureView::ShowArea(const QRect& area)
{
    if (m_picture && !area.isEmpty())
        ensureVisible(QRectF(area));
}

double TLabelPictureView::FitZoom() const
{
    const QSizeF picture = sceneRect().size();
    const QSize room = maximumViewportSize() - QSize(2 * FitMargin, 2 * FitMargin);
    if (picture.isEmpty() || room.isEmpty())
        return 1;
    return qMin(MaxZoom, qMin(room.width() / picture.width(), room.height() / picture.height()));
}

double TLabelPictureView::MinZoom() const
{
    return qMin(1.0, FitZoom());
}

// The point of the picture at the viewport position stays where it is.
void TLabelPictureView::ZoomBy(double factor, QPoint at)
{
    if (!m_picture)
        return;
    m_fitting = false;
    const QPointF fixed = mapToScene(at);
    SetZoom(qBound(MinZoom(), Zoom() * factor, MaxZoom));
    const QPoint moved = mapFromScene(fixed) - at;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + moved.y());
}

// Below one pixel per dot the picture is smoothed, so thin bars stay grey rather than vanish; above
// it every dot is a sharp square.
void TLabelPictureView::SetZoom(double zoom)
{
    if (m_picture)
        m_picture->setTransformationMode(zoom < 1 ? Qt::SmoothTransformation : Qt::FastTransformation);
    if (qFuzzyCompare(zoom, Zoom()))
        return;
    setTransform(QTransform::fromScale(zoom, zoom));
    emit ZoomChanged(zoom);
}

void TLabelPictureView::wheelEvent(QWheelEvent* event)
{
    const int angle = event->angleDelta().y();
    if (angle == 0 || !m_picture) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    // A touchpad turns in small steps: each zooms by its share of a notch.
    ZoomBy(std::pow(ZoomStep, angle / NotchAngle), event->position().toPoint());
    event->accept();
}

void TLabelPictureView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: // + without its shift key
        ZoomIn();
        break;
    case Qt::Key_Minus:
        ZoomOut();
        break;
    case Qt::Key_0:
        FitToWindow();
        break;
    default:
        QGraphicsView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TLabelPictureView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    if (m_fitting)
        FitToWindow();
}
