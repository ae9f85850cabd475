Räven och storken var grannar i skogen. Räven tyckte om att skoja med andra djur, och en dag fick han en idé.
– Kom och ät middag hos mig i kväll! sa han till storken.
Storken blev glad och tackade ja.

När storken kom, hade räven lagat en god soppa. Men han serverade den på två flata tallrikar. Räven slickade i sig sin soppa på nolltid. Storken försökte och försökte, men med sin långa, smala näbb fick hon inte upp en enda droppe. Hon gick hem lika hungrig som hon kom.
– Tyckte du inte om soppan? frågade räven och låtsades vara förvånad.
– Jo, den luktade gott, svarade storken lugnt. Nu ska du få äta middag hos mig i morgon.

Nästa kväll gick räven till storken. Han var mycket hungrig och kände redan i trädgården hur gott det luktade av fisk. Storken hade lagat en fin fiskgryta. Men hon serverade den i två höga krukor med smal hals.

Storken stack ner sin långa näbb i krukan och åt med god aptit. Räven kunde bara gå runt sin kruka och slicka på utsidan. Han fick inte i sig en enda bit fisk.
– Tycker du inte om grytan? frågade storken.

Räven förstod att han hade fått smaka på sitt eget skämt. Han gick hem med kurrande mage. Storken sa till honom innan han gick:
– Den som lurar andra får inte bli förvånad när han själv blir lurad.
