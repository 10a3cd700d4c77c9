# SPDX-License-Identifier: AGPL-3.0-or-later
# The program's web addresses, fixed at build time so that a distributor can brand a build:
#   cmake -DZODRIVEL_HOME_PAGE=https://example.org/ ...
# The defaults below are placeholders under the reserved example.invalid domain; a release
# build is expected to set them.
set(ZODRIVEL_HOME_PAGE "https://zodrivel.example.invalid/" CACHE STRING
    "Home page with the discussion board (PLACEHOLDER default)")
set(ZODRIVEL_ONLINE_HELP "https://zodrivel.example.invalid/help.html" CACHE STRING
    "Online help page (PLACEHOLDER default)")
set(ZODRIVEL_DOWNLOAD_PAGE "https://zodrivel.example.invalid/download.html" CACHE STRING
    "Download page, used as the update check (PLACEHOLDER default)")
set(ZODRIVEL_DONATION_PAGE "https://zodrivel.example.invalid/donate.html" CACHE STRING
    "Donation page (PLACEHOLDER default)")
set(ZODRIVEL_FULL_BRAND_PAGE "https://zodrivel.example.invalid/fully-branded.html" CACHE STRING
    "Page offering fully branded editions (PLACEHOLDER default)")
set(ZODRIVEL_CO_BRAND_PAGE "https://zodrivel.example.invalid/co-brand.html" CACHE STRING
    "Page offering co-branded editions (PLACEHOLDER default)")
set(ZODRIVEL_BUG_TRACKER "https://zodrivel.example.invalid/issues" CACHE STRING
    "Where users report faults, named in the AppStream data (PLACEHOLDER default)")
set(ZODRIVEL_SEARCH_PAGE "https://duckduckgo.com/?q=" CACHE STRING
    "Web search used by the coordinate look-up; the URL-encoded search text is appended")
configure_file(${PROJECT_SOURCE_DIR}/core/about/WebAddresses.h.in
               ${PROJECT_BINARY_DIR}/generated/core/about/WebAddresses.h @ONLY)
