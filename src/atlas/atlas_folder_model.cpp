#include "atlas/atlas_folder_model.h"

#include "settings/registry_settings.h"

namespace rovex::atlas {

AtlasFolderModel::AtlasFolderModel(RegistrySettings& s) : settings(s), folder(s.ReadTextSetting("AtlasFolder")) {}

void AtlasFolderModel::Ok() {
  // `AtlasFolder` holds up to 300 bytes.
  settings.WriteTextSetting("AtlasFolder", folder.substr(0, 299));
}

}  // namespace rovex::atlas
