# Placeholder until the archive packer lands: no data, an empty blob.
add_custom_target(tess_data)
add_library(tess_archive_blob INTERFACE)
