#pragma once

namespace shell {

inline constexpr const char* ProductName = "Pantrivo";
inline constexpr const char* ProductVersion = "Version 4.5";
// The maker's web site. A reserved example domain until the product has a site of its own.
inline constexpr const char* MakerWebSiteAddress = "https://www.pantrivo.example/";
inline constexpr const char* MakerWebSiteName = "www.pantrivo.example";
// The menu item that opens it: its name, with an access key.
inline constexpr const char* MakerWebSiteMenuCaption = "&www.pantrivo.example";

}  // namespace shell
