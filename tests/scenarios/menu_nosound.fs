# Without a sound device the music switch and the volume buttons are off, and storing
# writes full volumes whatever the bars showed.
include common/campaign.fsi
click Camp1Frm.MenuBtn
click MenuFrm.OptionsLbl
expect-screen MenuFrm.MusicOption enabled = false
expect-screen MenuFrm.MusicOption checked = false
expect-screen MenuFrm.MusicUp enabled = false
expect-screen MenuFrm.SoundsDown enabled = false
expect Advanced.MusicAttenuation = -1050
click MenuFrm.MoreOptionsLbl
click MenuFrm.OkAniBtn
expect Advanced.MusicAttenuation = 0
expect Advanced.SoundAttenuation = 0
expect Advanced.MusicVolume = 10
expect Advanced.SoundVolume = 10
expect-open !MenuFrm
