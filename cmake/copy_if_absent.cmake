# Copies SRC to DST only when DST does not exist yet: files the program writes for
# the user (Parm.dat, U.txt) are never replaced by a build.
if(NOT EXISTS "${DST}")
    file(COPY_FILE "${SRC}" "${DST}")
endif()
