// Message catalog of the "vskoci" gettext domain.
#pragma once

namespace vsk {

// Binds the domain to its catalog directory; runs once per process, safe from several threads.
void SetNlsMessagesPath() noexcept;

// The catalog's translation of msgid, or msgid itself.
const char *oci_gettext(const char *msgid) noexcept;

// Directory the domain was bound to (empty before the first environment).
const char *message_catalog_dir() noexcept;

}  // namespace vsk
