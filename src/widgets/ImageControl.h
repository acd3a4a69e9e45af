#pragma once

#include <QPixmap>
#include <QWidget>

namespace vorpa {

// A control that draws one picture, optionally stretched, proportional, centred and transparent;
// the base of the picture controls.
class ImageControl : public QWidget
{
    Q_OBJECT

public:
    explicit ImageControl(QWidget *parent = nullptr);

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    bool stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool proportional() const { return m_proportional; }
    void setProportional(bool on);
    bool center() const { return m_center; }
    void setCenter(bool on);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);

    // Where the picture is drawn inside the control.
    QRect pictureRect() const;

    QSize sizeHint() const override;

signals:
    // The picture was replaced (the owner may react, as a parent is notified of a change).
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    bool m_stretch = false;
    bool m_proportional = false;
    bool m_center = false;
    bool m_transparent = false;
};

} // namespace vorpa
