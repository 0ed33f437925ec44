#@ run-options: --sound-devices 1
# Volume steps of the options panel, the music switch, and storing the options.
include common/campaign.fsi
click Camp1Frm.MenuBtn
expect-screen MenuFrm.MainMenuFrm visible = true
expect-screen MenuFrm.OptionsFrm visible = false
click MenuFrm.OptionsLbl
expect-screen MenuFrm.MainMenuFrm visible = false
expect-screen MenuFrm.OptionsFrm visible = true
expect-screen MenuFrm.MusicOption checked = true
expect-screen MenuFrm.MusicOption enabled = true
# The shipped options: music step 7 (-1050), sound step 10 (0).
expect-screen MenuFrm.MusicVolumeCtrl width = 210
click MenuFrm.MusicUp
expect Advanced.MusicVolume = 8
expect Advanced.MusicAttenuation = -700
click MenuFrm.MusicUp
click MenuFrm.MusicUp
expect Advanced.MusicVolume = 10
expect Advanced.MusicAttenuation = 0
# At step 10 MusicUp changes nothing, at step 10 SoundsUp neither.
click MenuFrm.MusicUp
expect Advanced.MusicVolume = 10
expect Advanced.MusicAttenuation = 0
expect-screen MenuFrm.MusicVolumeCtrl width = 300
click MenuFrm.SoundsUp
expect Advanced.SoundVolume = 10
click MenuFrm.SoundsDown
expect Advanced.SoundVolume = 9
expect Advanced.SoundAttenuation = -350
expect-screen MenuFrm.SoundVolumeCtrl width = 270
# Music off: both volumes silent; MusicDown at step 0 changes nothing.
check MenuFrm.MusicOption 0
expect Advanced.Music = 0
expect Advanced.MusicAttenuation = -10000
expect Advanced.SoundAttenuation = -10000
expect Advanced.MusicVolume = 0
expect Advanced.SoundVolume = 0
expect-screen MenuFrm.MusicVolumeCtrl width = 0
click MenuFrm.MusicDown
expect Advanced.MusicVolume = 0
expect Advanced.MusicAttenuation = -10000
# One step up from silence.
click MenuFrm.MusicUp
expect Advanced.MusicVolume = 1
expect Advanced.MusicAttenuation = -9650
expect-screen MenuFrm.MusicVolumeCtrl width = 30
# Music on again: full volumes, the music restarts.
sounds
check MenuFrm.MusicOption 1
expect Advanced.Music = -1
expect Advanced.MusicAttenuation = 0
expect Advanced.SoundVolume = 10
expect-query sounds = [["MusicChanel01", "music01.wav"]]
# The advanced panel's OK stores the record and closes the menu.
click MenuFrm.MoreOptionsLbl
expect-screen MenuFrm.AdvancedFrm visible = true
expect-screen MenuFrm.DisableMsgSOption text = "New Message Sound"
expect-screen MenuFrm.DisableMsgSOption checked = true
check MenuFrm.DisableMsgSOption 0
expect Advanced.MessageSoundOff = -1
click MenuFrm.OkAniBtn
expect-open !MenuFrm
expect-query file Advanced.rz = {"exists": true, "size": 26}
