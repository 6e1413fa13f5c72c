#pragma once

#include <QObject>

class QFrame;
class QImage;
class QLabel;
class QWidget;

namespace pelcor {

class Shell;
struct MainMenu;

// The about panel `AboutPanel`: the publisher's labels, the picture and the version. It
// opens and closes with an animation, disabling the menu headings while it is open; a
// release of a mouse button anywhere on it closes it.
class AboutView : public QObject {
    Q_OBJECT
public:
    // `animate`: the panel opens and closes step by step where the user sees it.
    AboutView(MainMenu& menu, Shell& shell, QWidget* parent, bool animate);

    // "About Us": opens the panel, or closes it when open. `picture` is shown when the
    // panel has none yet.
    void AboutUs1Click(const QImage& picture);
    bool IsOpen() const;

    // The publisher's web site.
    static const char* WebSite();

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setMenus(bool enabled);

    MainMenu& menu_;
    Shell& shell_;
    bool animate_;
    QFrame* panel_;
    QLabel* image_;
    QLabel* web_;
};

} // namespace pelcor
