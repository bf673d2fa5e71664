#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QWidget>

struct SheetJob;

// The first sheet, whole, scaled to the widget: the page as the printer gets
// it, each label's edge drawn faintly over it to show where the stock's
// labels lie (the printed outlines, when asked for, are part of the page).
class CSheetPreview : public QWidget {
    Q_OBJECT
public:
    explicit CSheetPreview(QWidget* parent = nullptr);

    // A 1-bit page (colour 1 ink) and its labels' rectangles in its dots; a
    // null page shows none.
    void SetSheet(const QImage& page, const QList<QRect>& labels);
    // The job's first sheet as it should come off the printer: the printer's
    // offset only makes up for where that printer puts its page, so it is set
    // aside while the page is drawn, and put back.
    void ShowFirstSheet(SheetJob& job);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_sheet;         // the page at a fraction of its resolution, in grey
    QList<QRectF> m_labels; // in m_sheet's pixels
    bool m_round = false;   // round and oval labels are outlined as ellipses
};
