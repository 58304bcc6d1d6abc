# Run by CPack on the staged package: the game moves from usr/bin/ to usr/games/.
set(staged ${CPACK_TEMPORARY_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${staged}/games)
file(RENAME ${staged}/bin/marrowen ${staged}/games/marrowen)
file(REMOVE_RECURSE ${staged}/bin)
