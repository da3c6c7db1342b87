[playlist]
File1=/home/u/Music/a b.mp3
Title1=?-?
Length1=0
File2=/home/u/Music/Кино.mp3
Title2=?-?
Length2=0
NumberOfEntries=2
Version=2

