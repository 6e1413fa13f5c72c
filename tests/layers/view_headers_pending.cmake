# What check_view_headers.cmake still tolerates: controls the views expose, each to be
# replaced by an intent (a function saying what the caller wants) or reached by object name.
# Every view keeps its controls to itself now; the list stays empty.
set(pending)
