[Playlist]
NumberOfEntries=9
file3=C:\Music\c.mp3
FILE1=C:\Music\a.mp3
File10=d.mp3
