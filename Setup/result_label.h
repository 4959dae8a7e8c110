#pragma once

#include <QLabel>

// The one-line result of the setup dialog. It holds the full text (a driver's message
// may run over several lines); it shows it on one line, line breaks as blanks, cut in
// the middle with "…" where it is wider than the label, and its tool tip and accessible
// description carry the full text.
class ResultLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ResultLabel(QWidget *parent);

    void showText(const QString &text, const QColor &colour);
    QColor colour() const;
    // The text as the label shows it.
    QString shownLine() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
