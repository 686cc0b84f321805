#pragma once

#include <QGraphicsView>
#include <QList>
#include <QRect>

class QGraphicsPixmapItem;
class QImage;

// A label's picture, one pixel per printer dot, with a red frame around each area that needs the
// operator's eye. The mouse wheel and the keys +, - and 0 zoom in, out and fit the picture to the
// window; dragging moves it. While it fits, it goes on fitting as the window is resized.
class TLabelPictureView : public QGraphicsView
{
    Q_OBJECT

public:
    static constexpr double ZoomStep = 1.25;
    // Screen pixels per dot: enough to count the dots of the narrowest bar.
    static constexpr double MaxZoom = 32;
    static constexpr int FramePenWidth = 2;
    // The frames, and whatever else marks a finding.
    static inline const QColor FindingColour{210, 0, 0};

    explicit TLabelPictureView(QWidget* parent = nullptr);

    // The picture fitted to the window, the areas framed.
    void ShowPicture(const QImage& picture, const QList<QRect>& framedAreas);
    void Clear();
    bool HasPicture() const { return m_picture != nullptr; }

    void ZoomIn();
    void ZoomOut();
    void FitToWindow();
    // Screen pixels per dot.
    double Zoom() const { return transform().m11(); }
    bool IsFitting() const { return m_fitting; }
    // Scrolls the area of the picture into view.
    void ShowArea(const QRect& area);

signals:
    void ZoomChanged(double zoom);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double FitZoom() const;
    // Zooming out stops where the whole picture shows, or at one pixel per dot for a small one.
    double MinZoom() const;
    void ZoomBy(double factor, QPoint at);
    void SetZoom(double zoom);

    QGraphicsPixmapItem* m_picture = nullptr;
    bool m_fitting = true;
};
