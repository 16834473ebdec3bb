#pragma once
// The maker's addresses, shown in the report and print footers, the chart's
// corner text and the about and welcome windows.

namespace tarvinel {

inline constexpr const char* email_contato = "contato@tarvinel.com.br";
inline constexpr const char* site_contato = "https://www.tarvinel.com.br";

}  // namespace tarvinel
