#pragma once

#include "RegistryDescriptor.h"

namespace zedera::registry {

// The item of a pick list whose first `storedChars` characters are the stored value ("01" ->
// "01 - Ativo"); `otherwise` for any other value.
DisplayRule storedItemRule(const QStringList &items, int storedChars, const QString &otherwise = {});
// The n-th item (from 1) for a stored value read as a number ("2" or "02" -> the second item);
// empty for any other value.
DisplayRule numberedItemRule(const QStringList &items);
// A number through a display mask (",#0.00").
DisplayRule numberMaskRule(const QString &mask);
// A text of digits shown through an edit mask's picture ("99.999.999/9999-99"), each 9 taking
// the next digit; a text that does not fill the picture is shown as stored.
DisplayRule digitsMaskRule(const QString &picture);

} // namespace zedera::registry
