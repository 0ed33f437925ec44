#@ run-options: --sound-devices 1
# The music starts with the program: the loading screen arms MusicTimer, whose one tick
# 13 seconds later plays the music (the shipped options have it on) and the fauna, once.
include common/campaign.fsi
expect-query sounds = []
wait 12800
expect-query sounds = []
wait 200
expect-query sounds = [["MusicChanel01", "music01.wav"], ["FaunaChanel01", "fauna01.wav"]]
wait 30000
expect-query sounds = []
