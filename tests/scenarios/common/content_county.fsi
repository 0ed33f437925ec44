# A county well fed and content: full stores, happiness 60 and health 70, so that no
# shortage, unrest or sickness comes into the turns a scenario plays.
set Crops 20000
set Meat 5000
set Happiness 60
set Health 70
