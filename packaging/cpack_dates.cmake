# Read by CPack before it packs: CPack dates every file, folder and member of the packages
# SOURCE_DATE_EPOCH when that is set, so we set it to the commit's time unless the caller did.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_TW_SOURCE_DATE_EPOCH})
endif()
