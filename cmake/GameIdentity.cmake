# Who the game is, written once. The program, its windows and dialogs, the
# desktop entry, the metainfo, the manual page, the Debian package, the
# Windows resources, read-me and installer, and the tests all take these
# names from here; the version and the homepage are the top-level project()'s.
set(KMQ_TITLE "澄湖益智孔明棋")
set(KMQ_TITLE_ENGLISH "Chenghu Peg Solitaire")
# The program's file, the Debian package and the Windows install folder.
set(KMQ_PROGRAM kongmingqi)
# The desktop entry, the metainfo and the icons in the icon theme.
set(KMQ_APP_ID org.example.kongmingqi)
set(KMQ_PUBLISHER "澄湖益智孔明棋開發團隊")
set(KMQ_PUBLISHER_ENGLISH "Kongmingqi developers")
set(KMQ_CONTACT kongming@example.org)
# The day this version was released, as the changelogs and metainfo give it.
set(KMQ_RELEASE_DATE 2026-12-07)
