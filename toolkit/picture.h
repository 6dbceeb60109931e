#pragma once

#include "toolkit/clickable.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture box. An embedded picture (a resource path in `source`) is decoded
// when the box is first painted; a picture file is decoded when loaded.
// Without a picture the box is an invisible area that still takes clicks.
class Picture : public QWidget, public loco::Clickable {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)

public:
    explicit Picture(QWidget* parent = nullptr);

    QString source() const { return source_; }
    void setSource(const QString& resourcePath);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    // Reads and decodes a JPEG file now (a drive-letter path is mapped onto
    // this machine). Throws loco::Error when the file cannot be read or
    // decoded; the picture shown so far then stays.
    void loadFromFile(const QString& path);
    // Empties the box: what lies behind it shows through.
    void clear();
    // The path of the file last loaded successfully; empty before the first
    // and once the box is emptied.
    QString loadedPath() const { return loadedPath_; }

    // The decoded picture (decoding an embedded one if not done yet).
    QImage image() const;

    bool takesClicks() const override;
    void click() override { emit clicked(); }
    QString shownText() const override { return {}; }

signals:
    void clicked();
    void loadedPathChanged();

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setImage(QImage image);
    QSize decodeBox() const;

    QString source_;
    QString loadedPath_;
    bool stretch_ = false;
    loco::ClickTracker clicks_;
    mutable bool sourceDecoded_ = true;
    mutable QImage image_;
    QPixmap scaled_;
};
