#pragma once

#include <QLabel>
#include <QString>

#include <functional>

// A stored text with its line breaks as blanks: a CR LF pair, a lone CR or LF, a line or
// paragraph separator each become one blank.
QString onOneLine(const QString &text);

// A label or picture of the main window, as the window's controls are: it carries a
// Tag text and passes pointer presses and moves on with the position in fine units
// (1/15 pixel) from its own corner (a quick second press, delivered as a double click,
// is a press like the first). A press, move or release on a control that has no
// handler for it ends there: it never reaches the panel or canvas underneath.
class Control final : public QLabel
{
    Q_OBJECT

public:
    static constexpr int fineUnitsPerPixel = 15;

    // `name` is the control's name with its index ("lblRowSO_3").
    Control(QWidget *parent, const QString &name);

    QString tag;
    std::function<void(Qt::MouseButton button, QPointF fine)> onPress;
    std::function<void(Qt::MouseButtons buttons, QPointF fine)> onMove;

    // The caption is the whole text given; what the control draws may be shorter (see
    // showOnOneLine).
    void setCaption(const QString &text);
    QString caption() const { return m_caption; }
    void clear() { setCaption(QString()); }
    // For stored texts (descriptions, names, comments): the caption is drawn on one
    // line, its line breaks as blanks, cut with "…" where it does not fit, and the
    // tool tip and accessible name carry the whole text.
    void showOnOneLine();
    // The text as drawn.
    QString shownText() const { return text(); }

    void setForeground(const QColor &colour);
    void setBackground(const QColor &colour); // an invalid colour makes it transparent
    void setBold(bool bold);
    QColor foreground() const { return m_foreground; }
    QColor background() const { return m_background; }
    bool isBold() const { return font().bold(); }
    // A picture control: shows `picture` and remembers which picture it is.
    void setPicture(const QPixmap &picture, int pictureId = -1);
    int pictureId() const { return m_pictureId; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyColours();
    void showCaption();

    QString m_caption;
    bool m_oneLine = false;
    QColor m_foreground{0, 0, 0};
    QColor m_background;
    int m_pictureId = -1;
};
