#pragma once
#include <QWidget>

namespace scribbet {

// "关于": one label filling the window.
class AboutWindow final : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
    // The label's text, lines joined by line breaks.
    [[nodiscard]] static QString Text();
};

// The author's contact, shown in the caption and the About text.
inline constexpr char kAuthorContact[] = "orvald@pendrel.example";
// The page the contact picture opens.
inline constexpr char kContactPage[] = "https://pendrel.example/scribbet";

}  // namespace scribbet
