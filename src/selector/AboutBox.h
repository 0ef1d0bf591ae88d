#pragma once

// The selector's About box: name, maker, build, notice and two links that the
// desktop opens (the web site in the browser, the support address in a new mail).

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;

namespace tessaly::selector {

// The labels carry these ids so tests find them; the box holds them as members.
namespace aboutIds {
inline constexpr int kName = 2001;
inline constexpr int kMail = 2002;
inline constexpr int kBuild = 2003;
inline constexpr int kWebSite = 2004;
inline constexpr int kNotice = 2005;
}  // namespace aboutIds

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* owner);

    // Test hook: receives the links' addresses instead of the desktop.
    using UrlOpener = std::function<void(const QUrl&)>;
    static void setUrlOpener(UrlOpener opener);

    static void openLink(const QUrl& url);

private:
    QLabel* name_ = nullptr;
    QLabel* build_ = nullptr;
    QLabel* notice_ = nullptr;
    QLabel* mail_ = nullptr;
    QLabel* webSite_ = nullptr;
};

}  // namespace tessaly::selector
