#pragma once

namespace Sites { inline constexpr const char* Forum = "https://forums.vornet.example"; inline constexpr const char* Smileys = "https://smileys.vornet.example"; inline constexpr const char* AuthorName = "Quentin Iller"; inline constexpr const char* AuthorHandle = "Quill"; inline constexpr const char* AuthorMail = "quill@vornet.example"; inline constexpr const char* HomePage = "https://quillet.vornet.example"; }
