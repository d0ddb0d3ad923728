#pragma once
// The maker's addresses, each kept once: the web address shown in the page title and in both
// information dialogs, and the support e-mail shown in the Technical Support dialog.
inline constexpr char kMakerWebAddress[] = "tessellor.test";
inline constexpr char kMakerSupportEmail[] = "support@tessellor.test";
