// A print preview: one page of the document on a grey ground, the whole page
// at the normal zoom, the page's width filling the control with a scroll bar
// when enlarged; guide lines, shown at the page's margins, are the screen's
// only and never printed.
#include <QAbstractScrollArea>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt/page_painter.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/views/control_view.h"
#include "platform/ui/print_preview.h"

namespace platform::qt {

namespace {

constexpr int kGround = 8;  // grey around the page, pixels
constexpr int kShadow = 3;
// Guide lines at margins of 0 would vanish into the page's edge.
constexpr double kLeastGuideInset = 3;

class PreviewArea final : public QAbstractScrollArea {
public:
    PreviewArea(const ui::PrintPreview& preview, QWidget& parent) : QAbstractScrollArea(&parent), preview_(preview) {
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
        viewport()->setAutoFillBackground(false);
    }

    // The zoom, the document or the size changed.
    void relayout() {
        const bool enlarged = preview_.zoom() == ui::PrintPreview::Zoom::Enlarged;
        // Always there when enlarged, so the page's width never depends on it.
        setVerticalScrollBarPolicy(enlarged ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        const int tall = enlarged ? static_cast<int>(pageRect(0).height()) + 2 * kGround + kShadow : 0;
        verticalScrollBar()->setRange(0, std::max(0, tall - viewport()->height()));
        verticalScrollBar()->setPageStep(viewport()->height());
        verticalScrollBar()->setSingleStep(std::max(1, viewport()->height() / 20));
        viewport()->update();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        relayout();
    }

    void scrollContentsBy(int, int) override { viewport()->update(); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), ToQColor(preview_.BackColor()));
        const ui::PrintDocument& document = preview_.document();
        if (document.PageWidth() <= 0 || document.PageHeight() <= 0) return;
        const bool enlarged = preview_.zoom() == ui::PrintPreview::Zoom::Enlarged;
        const QRectF paper = pageRect(enlarged ? verticalScrollBar()->value() : 0);
        if (paper.width() < 1 || paper.height() < 1) return;
        painter.fillRect(paper.translated(kShadow, kShadow), QColor(64, 64, 64));
        painter.fillRect(paper, Qt::white);
        const double scale = paper.width() / document.PageWidth();
        const int shown = preview_.PreviewPage();
        painter.save();
        painter.setClipRect(paper);
        painter.translate(paper.topLeft());
        if (shown >= 0 && shown < document.PageCount())
            PaintPage(painter, document.pages()[static_cast<std::size_t>(shown)], scale);
        painter.restore();
        if (preview_.GuideLines()) paintGuideLines(painter, paper, scale);
    }

private:
    // Where the page lies in the viewport, in pixels, scrolled up by top.
    QRectF pageRect(int top) const {
        const ui::PrintDocument& document = preview_.document();
        const double width = document.PageWidth();
        const double height = document.PageHeight();
        if (width <= 0 || height <= 0) return {};
        const double roomWidth = std::max(0, viewport()->width() - 2 * kGround - kShadow);
        const double roomHeight = std::max(0, viewport()->height() - 2 * kGround - kShadow);
        if (preview_.zoom() == ui::PrintPreview::Zoom::Enlarged)
            return {kGround, kGround - static_cast<double>(top), roomWidth, height * roomWidth / width};
        const double scale = std::min(roomWidth / width, roomHeight / height);
        const QSizeF size(width * scale, height * scale);
        return {(viewport()->width() - kShadow - size.width()) / 2,
                (viewport()->height() - kShadow - size.height()) / 2, size.width(), size.height()};
    }

    void paintGuideLines(QPainter& painter, const QRectF& paper, double scale) const {
        const ui::PrintDocument& document = preview_.document();
        const auto inset = [scale](double margin) { return std::max(margin * scale, kLeastGuideInset); };
        const QRectF inside = paper.adjusted(inset(document.MarginLeft), inset(document.MarginTop),
                                             -inset(document.MarginRight), -inset(document.MarginBottom));
        if (inside.width() <= 0 || inside.height() <= 0) return;
        painter.setPen(QPen(QColor(128, 128, 128), 0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inside);
    }

    const ui::PrintPreview& preview_;
};

class PrintPreviewView final : public ControlView {
public:
    PrintPreviewView(Runtime& runtime, ui::PrintPreview& preview, QWidget& parent)
        : ControlView(runtime, preview, *new PreviewArea(preview, parent)), preview_(preview) {
        watchMouseOf(*area().viewport());
    }

private:
    PreviewArea& area() const { return static_cast<PreviewArea&>(widget()); }

    void applyItems() override { showPage(); }
    void applyStyle() override { showPage(); }
    // The ground is painted with the page.
    void applyColors() override { area().viewport()->update(); }

    void showPage() {
        area().relayout();
        const ui::PrintDocument& document = preview_.document();
        area().setAccessibleDescription(
            document.PageCount() == 0
                ? QStringLiteral("Empty page")
                : QStringLiteral("Page %1 of %2").arg(preview_.PreviewPage() + 1).arg(document.PageCount()));
    }

    ui::PrintPreview& preview_;
};

}  // namespace

std::unique_ptr<ControlView> MakePrintPreviewView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<PrintPreviewView>(runtime, static_cast<ui::PrintPreview&>(control), parent);
}

}  // namespace platform::qt
