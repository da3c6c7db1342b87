[playlist]
numberofentries=3
File1=http://ice1.somafm.example/groovesalad-128-mp3
Length2=-1
Title2=SomaFM: Groove Salad (#2): A nicely chilled plate
Title1=SomaFM: Groove Salad (#1): A nicely chilled plate
File3=http://ice4.somafm.example/groovesalad-64-aac
Length1=-1
File2=http://ice2.somafm.example/groovesalad-128-mp3
Title3=SomaFM: Groove Salad (#3)
Length3=-1
Version=2
