// Cartolink2's own texts, cp932 bytes (the sources are compiled with -fexec-charset=CP932).
#pragma once

// Automation identifier opened when the editor names none.
inline constexpr char kDefaultIdentifier[] = "ProAtlasW2.Map";
// The one identifier of the Mapple family, also its fixed creation identifier.
inline constexpr char kMappleIdentifier[] = "Mapple.Document";

inline constexpr char kCommand1Caption[] = "OK";
inline constexpr char kTextEndTitle[] = "UMSG_TEST メッセージ受信";
inline constexpr char kErrorTitle[] = "エラーメッセージ";
inline constexpr char kProAtlasOpenError[] = "ProAtlasが開けません";
inline constexpr char kMappleOpenError[] = "Mapple.Documentが開けません";
