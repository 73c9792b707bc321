#pragma once

#include <QLabel>
#include <QString>

// The title label of the dialogs: shows the product name until a dialog
// sets its own title, and paints style-sheet backgrounds.
class PNLabel : public QLabel
{
    Q_OBJECT
public:
    explicit PNLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString productName() const { return m_productName; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setupUi();

    QString m_productName = QStringLiteral("Tarnwick");
};
