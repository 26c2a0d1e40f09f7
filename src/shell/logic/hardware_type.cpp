#include "shell/logic/hardware_type.h"

#include <optional>

#include "platform/config_document.h"
#include "platform/xml_document.h"

bool Check_Update_Serial_232(Xml_Document& document, const QString& par_gen_path) {
  if (!config_document::Load(document, par_gen_path)) return false;
  const std::optional<QString> text = config_document::Element_Text(document.Root(), QStringLiteral("Hardware_Type"));
  return text && *text != QLatin1String("2");
}
