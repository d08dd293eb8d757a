// Widgets that paint model controls themselves: the 3-D panel (bevel, caption, progress fill) and
// the transparent layer that draws a container's lines and shapes.
#pragma once

#include <QWidget>
#include <vector>

namespace platform
{
class Control;
}

namespace platform::qt
{

class PanelWidget : public QWidget
{
  public:
    PanelWidget(Control& control, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& m_control;
};

// A frame: an etched rectangle with its caption set into the top edge, as a container.
class FrameWidget : public QWidget
{
  public:
    FrameWidget(Control& control, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& m_control;
};

// Lines and shapes have no window of their own: one layer per container, below the container's other
// controls and transparent for the mouse, paints them all in design order.
class GraphicsLayer : public QWidget
{
  public:
    explicit GraphicsLayer(QWidget* container);
    void add(Control& control) { m_items.push_back(&control); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Control*> m_items;
};

} // namespace platform::qt
