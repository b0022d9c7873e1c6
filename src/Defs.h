#pragma once
// Constants shared by every unit: the data files, their tags, the registry keys and the
// value names, and the maker's web host.
#include <QString>

namespace Defs {

inline const QString kAppTitle = QStringLiteral("Vemox");
inline const QString kHelpFile = QStringLiteral("help/CALCHELP.HLP");
inline const QString kHelpFolder = QStringLiteral("help");

// The maker's web host: the web pages, and the update server of the factory data.
inline const QString kMakerWebHost = QStringLiteral("www.vemox.example");
inline const QString kUpdatePath = QStringLiteral("/cgi-bin/DownLoad.cgi");
inline const QString kDownloadPath = QStringLiteral("/release/KRT.exe");
inline const QString kSupportPath = QStringLiteral("/Support.html");

// Data files, relative to the working directory.
inline const QString kCurrencyFile = QStringLiteral("currency.dat");
inline const QString kRollbackFile = QStringLiteral("RollBackCurrency.dat");
inline const QString kUserDefinedFile = QStringLiteral("UserDefined.dat");
inline const QString kResourceLibrary = QStringLiteral("dll/ZYM_VEMOX.dll");

// Tags of the data files.
inline const QString kDateOpen = QStringLiteral("<KRTDATE>");
inline const QString kDateClose = QStringLiteral("</KRTDATE>");
inline const QString kMessageOpen = QStringLiteral("<KRTMESSAGE>");
inline const QString kMessageClose = QStringLiteral("</KRTMESSAGE>");
inline const QString kHostOpen = QStringLiteral("<KRTHOST>");
inline const QString kHostClose = QStringLiteral("</KRTHOST>");
inline const QString kExceptionsTag = QStringLiteral("<KRTEXCEPTIONS>"); // opens and closes
inline const QString kIsoOpen = QStringLiteral("<KRTISO>");
inline const QString kIsoClose = QStringLiteral("</KRTISO>");
inline const QString kDataOpen = QStringLiteral("<KRTDATA>");
inline const QString kDataClose = QStringLiteral("</KRTDATA>");
inline const QString kCountryOpen = QStringLiteral("<KRTCOUNTRY>");
inline const QString kCountryClose = QStringLiteral("</KRTCOUNTRY>");
inline const QString kDenomOpen = QStringLiteral("<KRTDENOM>");
inline const QString kDenomClose = QStringLiteral("</KRTDENOM>");
inline const QString kAsOfOpen = QStringLiteral("<KRTASOF>");     // the date a data line's rate is of
inline const QString kAsOfClose = QStringLiteral("</KRTASOF>");

// Registry keys, below HKEY_CURRENT_USER.
inline const QString kKeyGeneral = QStringLiteral("\\Software\\VEMOX\\G_r");
inline const QString kKeyCountries = QStringLiteral("\\Software\\VEMOX\\Ct");
inline const QString kKeyTabs = QStringLiteral("\\Software\\VEMOX\\Tb");
inline const QString kKeyCommission = QStringLiteral("\\Software\\VEMOX\\Cvx");
inline const QString kKeyHosts = QStringLiteral("\\Software\\VEMOX\\Hs");
inline const QString kKeyExceptions = QStringLiteral("\\Software\\VEMOX\\Es");
inline const QString kKeyPrintStatus = QStringLiteral("\\Software\\VEMOX\\PrintStatus");
inline const QString kKeyBanner = QStringLiteral("\\Software\\VEMOX\\Banner");

// Value names under G_r: the whole catalogue, each name once.
// The main window's settings.
inline const QString kValPayment = QStringLiteral("Cbs");
inline const QString kValRateKind = QStringLiteral("BSs");
inline const QString kValCommission = QStringLiteral("Cms");
inline const QString kValPunctuation = QStringLiteral("Cc");
inline const QString kValHomeCountry = QStringLiteral("h_c");
inline const QString kValDateFormat = QStringLiteral("Fr");
inline const QString kValDecimalPlaces = QStringLiteral("Dp");
inline const QString kValLastUpdate = QStringLiteral("Vl");
// The print and accounts dialog and the accounting export file.
inline const QString kValPrintAccountingDialog = QStringLiteral("PGs");
inline const QString kValPrintReceipt = QStringLiteral("PGoP");
inline const QString kValAddToAccountFile = QStringLiteral("PGoA");
inline const QString kValAccountFilePath = QStringLiteral("FP");
inline const QString kValAccountFileName = QStringLiteral("FN");
inline const QString kValUseAccountFile = QStringLiteral("UA");
// The currency editor.
inline const QString kValExpandTreeView = QStringLiteral("CCet");
inline const QString kValCurrencyEditorUsed = QStringLiteral("CCdu");
// The interface's language: "" for the system's, else "en", "de", "fr" or "es".
inline const QString kValLanguage = QStringLiteral("Language");

// Value names under G_r of the update request and its proxy.
inline const QString kValUserName = QStringLiteral("Un");
inline const QString kValUserOrganisation = QStringLiteral("Uo");
inline const QString kValUseProxy = QStringLiteral("po");
inline const QString kValProxyAddress = QStringLiteral("Ps");
inline const QString kValProxyUserId = QStringLiteral("Pn");
inline const QString kValProxyPassword = QStringLiteral("Pd");
inline const QString kValProxyPort = QStringLiteral("pp");

// Resource library identifiers.
constexpr int kResCount = 108;
constexpr int kResRegion = 2001;
constexpr int kResIso = 3001;
constexpr int kResCountry = 4001;
constexpr int kResDenomination = 5001;
constexpr int kResFlag = 7001;

} // namespace Defs
