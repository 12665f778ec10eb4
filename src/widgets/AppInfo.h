#pragma once
// Program-wide values: the version text, the application title and the maker's addresses.

#include <QString>

class QWidget;

namespace pick3 {

// "V 3.0.0", built once at start-up from the version record.
const QString& sVersion();
// "Free Pick3 Tallymoor from Quorvel": the title of every message box of the main window.
const QString& sAppTitle();

// The maker's addresses (example addresses).
inline constexpr char kWebSite[] = "https://www.quorvel.example/";
inline constexpr char kHomePage[] = "https://home.quorvel.example/";
inline constexpr char kDownloadPage[] = "https://www.quorvel.example/download/pick3-tallymoor.html";
inline constexpr char kHelpDocument[] = "https://www.quorvel.example/help/pick3-tallymoor.pdf";
inline constexpr char kPaymentService[] = "https://payments.example/donate";
inline constexpr char kMail[] = "pick3@quorvel.example";
inline constexpr char kSecondMail[] = "quorvel@home.quorvel.example";

// One way to tell the user something: information icon, one OK button, `title`
// as the title, modal over `parent`.
void showMessage(QWidget* parent, const QString& title, const QString& text);

// Hands `address` to the desktop's default handler (the browser); the result is
// ignored: no browser or no network changes nothing and shows nothing.
void sbOpenWebPage(const QString& address, QWidget* owner);

} // namespace pick3
