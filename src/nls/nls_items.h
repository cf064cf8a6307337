// The texts OCINlsGetInfo answers: the calendar and number conventions of the
// environment's language and territory.
#pragma once

#include <oci.h>

#include <string>

namespace vsk {

struct NlsSettings {
    std::string language = "AMERICAN";
    std::string territory = "AMERICA";
    std::string dateFormat = "DD-MON-RR";
    std::string charsetName;
};

// Language and territory from NLS_LANG, the date format from NLS_DATE_FORMAT, each when
// set; the character set's name from charset.
NlsSettings current_nls_settings(int charset);

// The character-set part of an NLS_LANG value ("AMERICAN_AMERICA.AL32UTF8" and
// ".AL32UTF8" both give "AL32UTF8"); empty when there is none.
std::string nls_lang_charset(const char *nls_lang);

// The text of an OCINlsGetInfo item; false for an item without a text.
bool nls_item_text(ub2 item, const NlsSettings &settings, std::string *out);

}  // namespace vsk
