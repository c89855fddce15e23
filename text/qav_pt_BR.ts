<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Help</name>
    <message>
        <source>Shares merge three strategies that work together, as the legend does: the hours of C also count for B, those of G for H, and those of H (with G&apos;s) for I. So the shares are of a total larger than the hours counted, and a strategy with no hours of its own (H, I) can still have a share.</source>
        <translation>Os percentuais juntam três estratégias que atuam em conjunto, como faz a legenda: as horas de C também contam para B, as de G para H e as de H (com as de G) para I. Por isso os percentuais são de um total maior que as horas contadas, e uma estratégia sem horas próprias (H, I) ainda pode ter um percentual.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Using QAV&lt;/h2&gt;&lt;p&gt;QAV shows how the climate of a place meets human comfort, and which building strategies suit it. Choose a location in the list (type its first letters to jump to it): the chart, the monthly graph and the results panel show its analysis. The status bar says where the data came from, which location is shown, whether typical days or recorded hours are counted, and which screen size the analysis was laid out for.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Como usar o QAV&lt;/h2&gt;&lt;p&gt;O QAV mostra como o clima de um lugar se relaciona com o conforto humano e quais estratégias de projeto da edificação são adequadas a ele. Escolha uma localidade na lista (digite as primeiras letras do nome para ir até ela): a carta, o gráfico mensal e o painel de resultados mostram a sua análise. A barra de status informa de onde vieram os dados, qual localidade está sendo mostrada, se são contados dias típicos ou horas registradas e para qual tamanho de tela a análise foi calculada.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The chart&lt;/h3&gt;&lt;p&gt;The bioclimatic chart is a psychrometric chart drawn for the station pressure of the location&apos;s elevation: dry-bulb temperature across, humidity ratio (g/kg) up, with the saturation curve, relative humidity and wet-bulb lines. Ten zones, lettered A to J, mark the conditions in which each strategy brings comfort. Every hour of the year is a point on it; the hours of one month are joined in one line, coloured by quarter.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;A carta&lt;/h3&gt;&lt;p&gt;A carta bioclimática é uma carta psicrométrica traçada para a pressão atmosférica da altitude da localidade: temperatura de bulbo seco no eixo horizontal, razão de umidade (g/kg) no vertical, com a curva de saturação e as linhas de umidade relativa e de bulbo úmido. Dez zonas, identificadas pelas letras A a J, delimitam as condições em que cada estratégia proporciona conforto. Cada hora do ano é um ponto na carta; as horas de um mês são ligadas por uma linha, colorida conforme o trimestre.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The strategies&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;A Artificial heating&lt;/b&gt;: too cold for passive means; the building needs a heating system.&lt;/li&gt;&lt;li&gt;&lt;b&gt;B Solar heating&lt;/b&gt;: sun let in through glazing facing the sun, kept by insulation, gives comfort.&lt;/li&gt;&lt;li&gt;&lt;b&gt;C Thermal inertia (heating)&lt;/b&gt;: heavy walls and floors store the day&apos;s and the sun&apos;s heat and give it back at night.&lt;/li&gt;&lt;li&gt;&lt;b&gt;D Air humidification&lt;/b&gt;: the air is too dry; water surfaces, plants or a humidifier help.&lt;/li&gt;&lt;li&gt;&lt;b&gt;E Thermal comfort&lt;/b&gt;: comfortable as it is.&lt;/li&gt;&lt;li&gt;&lt;b&gt;F Ventilation&lt;/b&gt;: air moving through the rooms (cross ventilation) takes heat and moisture away.&lt;/li&gt;&lt;li&gt;&lt;b&gt;G Night ventilation&lt;/b&gt;: open the building at night to cool its mass, close it by day.&lt;/li&gt;&lt;li&gt;&lt;b&gt;H Thermal inertia (cooling)&lt;/b&gt;: heavy construction damps the heat of the day.&lt;/li&gt;&lt;li&gt;&lt;b&gt;I Evaporative cooling&lt;/b&gt;: dry heat; water evaporating (fountains, pools, plants, evaporative coolers) cools the air.&lt;/li&gt;&lt;li&gt;&lt;b&gt;J Artificial cooling&lt;/b&gt;: too hot or too humid for passive means; the building needs air conditioning.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;As estratégias&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;A Aquecimento artificial&lt;/b&gt;: frio demais para meios passivos; a edificação precisa de um sistema de aquecimento.&lt;/li&gt;&lt;li&gt;&lt;b&gt;B Aquecimento solar passivo&lt;/b&gt;: o sol admitido por vidros voltados para ele, conservado por isolamento térmico, proporciona conforto.&lt;/li&gt;&lt;li&gt;&lt;b&gt;C Inércia térmica para aquecimento&lt;/b&gt;: paredes e pisos pesados armazenam o calor do dia e do sol e o devolvem à noite.&lt;/li&gt;&lt;li&gt;&lt;b&gt;D Umidificação do ar&lt;/b&gt;: o ar está seco demais; espelhos d&apos;água, vegetação ou um umidificador ajudam.&lt;/li&gt;&lt;li&gt;&lt;b&gt;E Conforto térmico&lt;/b&gt;: confortável sem nenhuma estratégia.&lt;/li&gt;&lt;li&gt;&lt;b&gt;F Ventilação natural&lt;/b&gt;: o ar que atravessa os ambientes (ventilação cruzada) remove calor e umidade.&lt;/li&gt;&lt;li&gt;&lt;b&gt;G Ventilação noturna&lt;/b&gt;: abrir a edificação à noite para resfriar a sua massa e fechá-la durante o dia.&lt;/li&gt;&lt;li&gt;&lt;b&gt;H Inércia térmica para resfriamento&lt;/b&gt;: uma construção pesada amortece o calor do dia.&lt;/li&gt;&lt;li&gt;&lt;b&gt;I Resfriamento evaporativo&lt;/b&gt;: calor seco; a evaporação da água (fontes, piscinas, vegetação, resfriadores evaporativos) resfria o ar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;J Resfriamento artificial&lt;/b&gt;: quente ou úmido demais para meios passivos; a edificação precisa de ar-condicionado.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;How the shares are counted&lt;/h3&gt;&lt;p&gt;Each hour is counted for the zone its point lies in; an hour left of the chart counts for A, one right of it for J, and one outside every zone (above the saturation curve) for the strategy of the hour before it. The month-by-strategy view (View menu) shows these hours as counted.&lt;/p&gt;&lt;p&gt;</source>
        <translation>&lt;h3&gt;Como as porcentagens são contadas&lt;/h3&gt;&lt;p&gt;Cada hora é contada para a zona em que o seu ponto se encontra; uma hora à esquerda da carta conta para A, uma à direita para J, e uma fora de todas as zonas (acima da curva de saturação) para a estratégia da hora anterior. A tabela de horas por mês e estratégia (menu Exibir) mostra essas horas tal como foram contadas.&lt;/p&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source> Solar heating works with thermal inertia, and night ventilation and thermal inertia also serve where evaporative cooling does. The panel&apos;s two &quot;Thermal inertia&quot; rows are C (heating) and H (cooling); hover over them to tell them apart.&lt;/p&gt;</source>
        <translation> O aquecimento solar passivo atua junto com a inércia térmica, e a ventilação noturna e a inércia térmica também servem onde o resfriamento evaporativo serve. As duas linhas &quot;Inércia térmica&quot; do painel são C (aquecimento) e H (resfriamento); passe o mouse sobre elas para distingui-las.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Typical days and recorded hours&lt;/h3&gt;&lt;p&gt;Monthly normals hold three numbers per month: the mean minimum and maximum dry-bulb temperature and the mean relative humidity. QAV turns them into a typical day of 24 hours for each month (288 hours) by a daily-cycle method: the temperature follows a sine curve from its minimum near sunrise (found from the latitude and the date) to its maximum in the afternoon, and the vapour pressure moves between a morning and an afternoon value derived from the monthly means.&lt;/p&gt;&lt;p&gt;A weather file (EnergyPlus EPW) holds the recorded hours of a whole year. Open one with File &amp;gt; Open weather file, or drop it on the window: its monthly normals are derived from the hours, and View &amp;gt; Recorded hours plots the year&apos;s hours themselves. Recorded-hour results are marked as such in the status bar, on the chart, in the copied table and in every exported file. The panel then also compares the shares of both analyses.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Dias típicos e horas registradas&lt;/h3&gt;&lt;p&gt;As normais mensais trazem três números por mês: as médias das temperaturas de bulbo seco mínima e máxima e a umidade relativa média. O QAV as transforma em um dia típico de 24 horas para cada mês (288 horas) por um método de ciclo diário: a temperatura segue uma senoide desde o seu mínimo, perto do nascer do sol (calculado a partir da latitude e da data), até o seu máximo à tarde, e a pressão de vapor varia entre um valor da manhã e um da tarde derivados das médias mensais.&lt;/p&gt;&lt;p&gt;Um arquivo climático (EnergyPlus EPW) contém as horas registradas de um ano inteiro. Abra-o com Arquivo &amp;gt; Abrir arquivo EPW ou arraste-o para a janela: as suas normais mensais são derivadas das horas, e Exibir &amp;gt; Horas registradas traça as próprias horas do ano. Os resultados das horas registradas são indicados como tais na barra de status, na carta, na tabela copiada e em todo arquivo exportado. O painel passa então a comparar também as porcentagens das duas análises.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Stations and My sites&lt;/h3&gt;&lt;p&gt;File &amp;gt; Find a station (Ctrl+F) searches the normals 1991&amp;ndash;2020 of 3,730 stations: WMO Climatological Normals 1991&amp;ndash;2020 (NOAA NCEI, from the data of WMO Members) and INMET&apos;s Normais Climatológicas do Brasil 1991&amp;ndash;2020. Type a name (case, accents and punctuation do not matter) or coordinates such as &lt;code&gt;-15,79 -47,93&lt;/code&gt; or &lt;code&gt;15°47′S 47°56′W 1160 m&lt;/code&gt;: the stations are then listed nearest first, with the distance and the difference of elevation. Down moves into the list, Enter or a double-click analyses the station, Escape closes. A station more than 50 km from the site, or more than 300 m above or below it, is analysed with a note saying so: its elevation, not the site&apos;s, sets the pressure. &quot;derived&quot; marks a humidity computed from the mean vapour pressure (within 2 points of the reported one in the median).&lt;/p&gt;&lt;p&gt;A station chosen is analysed and kept in File &amp;gt; Recent sites (the last 10); the list keeps its data. My sites (File &amp;gt; My sites, Ctrl+Shift+D) holds up to 50 sites, the oldest dropped first; Ctrl+D or the list&apos;s context menu adds the location analysed. My sites is remembered, and File &amp;gt; Save My sites as writes it as a Monthly Data file whose source fields keep the station, its period and a derived humidity. Shown, it is the list analysed: View &amp;gt; Compare locations puts, for instance, Brasília&apos;s built-in 1961&amp;ndash;1990 normals beside its station&apos;s 1991&amp;ndash;2020 ones.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Estações e Meus locais&lt;/h3&gt;&lt;p&gt;Arquivo &amp;gt; Buscar local ou estação (Ctrl+F) pesquisa as normais 1991&amp;ndash;2020 de 3.730 estações: as Normais Climatológicas da OMM 1991&amp;ndash;2020 (NOAA NCEI, a partir dos dados dos Membros da OMM) e as Normais Climatológicas do Brasil 1991&amp;ndash;2020 do INMET. Digite um nome (maiúsculas, acentos e pontuação não importam) ou coordenadas como &lt;code&gt;-15,79 -47,93&lt;/code&gt; ou &lt;code&gt;15°47′S 47°56′O 1160 m&lt;/code&gt;: as estações são então listadas da mais próxima à mais distante, com a distância e a diferença de altitude. A seta para baixo entra na lista, Enter ou um clique duplo analisa a estação e Esc fecha. Uma estação a mais de 50 km do local, ou mais de 300 m acima ou abaixo dele, é analisada com uma nota que o informa: a altitude da estação, e não a do local, define a pressão. &quot;derivada&quot; indica uma umidade calculada a partir da pressão de vapor média (a até 2 pontos da umidade informada, na mediana).&lt;/p&gt;&lt;p&gt;Uma estação escolhida é analisada e guardada em Arquivo &amp;gt; Locais recentes (as 10 últimas); a lista mantém os seus dados. Meus locais (Arquivo &amp;gt; Meus locais, Ctrl+Shift+D) guarda até 50 locais, descartando primeiro o mais antigo; Ctrl+D ou o menu de contexto da lista adiciona a localidade analisada. Meus locais é lembrado entre as sessões, e Arquivo &amp;gt; Salvar Meus locais como o grava como um arquivo de Dados Mensais cujos campos de fonte guardam a estação, o seu período e uma umidade derivada. Quando mostrado, é a lista analisada: Exibir &amp;gt; Comparar localidades coloca, por exemplo, as normais embutidas de Brasília de 1961&amp;ndash;1990 ao lado das normais 1991&amp;ndash;2020 da sua estação.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The reference screen&lt;/h3&gt;&lt;p&gt;The zones are classified on a map of the chart&apos;s own size, and that size follows the screen the analysis is laid out for, so a point near a zone&apos;s edge can change zone from one screen size to another. The status bar names the basis: the reference screen (1024 &amp;times; 768), which qav-cli also uses unless given --screen, or this screen&apos;s size.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;A tela de referência&lt;/h3&gt;&lt;p&gt;As zonas são classificadas em um mapa do mesmo tamanho da carta, e esse tamanho acompanha a tela para a qual a análise é calculada; por isso, um ponto perto da borda de uma zona pode mudar de zona de um tamanho de tela para outro. A barra de status indica a base: a tela de referência (1024 &amp;times; 768), que o qav-cli também usa quando não recebe --screen, ou o tamanho desta tela.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Copying, saving and exporting&lt;/h3&gt;&lt;p&gt;Copy &amp;gt; Chart and Copy &amp;gt; Graphic put the pictures on the clipboard; Copy &amp;gt; Tabel puts a text table there (fields separated by semicolons where the decimal separator is a comma). File &amp;gt; Save chart and Save graph write PNG or SVG pictures carrying where they came from; Export results and Export hourly table write CSV files of the analysis and of the hours shown.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Copiar, salvar e exportar&lt;/h3&gt;&lt;p&gt;Copiar &amp;gt; Carta bioclimática e Copiar &amp;gt; Gráfico colocam as imagens na área de transferência; Copiar &amp;gt; Tabela coloca ali uma tabela de texto (campos separados por ponto e vírgula onde o separador decimal é a vírgula). Arquivo &amp;gt; Salvar carta como e Salvar gráfico como gravam imagens PNG ou SVG que registram a sua origem; Exportar resultados e Exportar tabela horária gravam arquivos CSV da análise e das horas mostradas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;qav-cli&lt;/h3&gt;&lt;p&gt;The command-line companion gives the same analysis without a window, for example &lt;code&gt;qav-cli analyze --dataset brazil --all --format csv&lt;/code&gt; or &lt;code&gt;qav-cli analyze --file QAVmine.TXT --chart chart.png&lt;/code&gt;; &lt;code&gt;qav-cli --help&lt;/code&gt; lists every option. &lt;code&gt;qav FILE...&lt;/code&gt; starts the window with Monthly Data or weather files opened.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;qav-cli&lt;/h3&gt;&lt;p&gt;O programa de linha de comando faz a mesma análise sem janela, por exemplo &lt;code&gt;qav-cli analyze --dataset brazil --all --format csv&lt;/code&gt; ou &lt;code&gt;qav-cli analyze --file QAVmine.TXT --chart carta.png&lt;/code&gt;; &lt;code&gt;qav-cli --help&lt;/code&gt; lista todas as opções (em inglês). &lt;code&gt;qav ARQUIVO...&lt;/code&gt; abre a janela com arquivos de Dados Mensais ou arquivos climáticos já carregados.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Places&lt;/h3&gt;&lt;p&gt;Find a place or station (Ctrl+F) searches 135,233 towns and cities of the world (GeoNames, geonames.org, CC BY 4.0; 2,032 in Brazil) beside the stations, places first. Type a town&apos;s name, in English or Portuguese, with its country or Brazilian state if you like: &lt;code&gt;Campinas, SP&lt;/code&gt;, &lt;code&gt;Lisboa&lt;/code&gt;, &lt;code&gt;Moscou&lt;/code&gt;. A place is analysed as the normals of its nearest station, named for the place; beyond 50 km a note says the site&apos;s climate may differ. Where no station lies within 300 km, the place is listed with its nearest station for reference only: open a weather file for such a site. A place&apos;s own elevation is not known: the station&apos;s sets the pressure.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Locais&lt;/h3&gt;&lt;p&gt;Buscar local ou estação (Ctrl+F) pesquisa 135.233 cidades e vilas do mundo (GeoNames, geonames.org, CC BY 4.0; 2.032 no Brasil) ao lado das estações, os locais primeiro. Digite o nome de uma cidade, em português ou em inglês, com o país ou o estado brasileiro se quiser: &lt;code&gt;Campinas, SP&lt;/code&gt;, &lt;code&gt;Lisboa&lt;/code&gt;, &lt;code&gt;Moscou&lt;/code&gt;. Um local é analisado com as normais da estação mais próxima, com o nome do local; a mais de 50 km, uma nota avisa que o clima do local pode ser diferente. Onde nenhuma estação fica a menos de 300 km, o local aparece com a estação mais próxima apenas como referência: abra um arquivo climático para esse local. A altitude do próprio local não é conhecida: a da estação define a pressão.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Where the data come from</source>
        <translation>De onde vêm os dados</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Comparing, filtering and warming&lt;/h3&gt;&lt;p&gt;View &amp;gt; Compare locations shows one bar of yearly shares per location of the list, on a scale of 0 to 100 % of the year, sorted in list order, by name or by the share of a strategy; it opens at the location analysed, and Enter or a click analyses a row. Its picture and its table can be saved.&lt;/p&gt;&lt;p&gt;View &amp;gt; Hours analysed counts only a range of clock hours and of months, for instance the hours a school is in use; the chart greys out the hours left out.&lt;/p&gt;&lt;p&gt;View &amp;gt; What if adds a warming to the monthly normals, one value for every month or twelve monthly changes typed or loaded from a CSV file, and shows the shares with and without it. A value outside the accepted range is refused. Remove warming goes back to the normals as read.&lt;/p&gt;&lt;p&gt;View &amp;gt; Typical days and View &amp;gt; Recorded hours switch, for a weather file, between the typical days made from its normals and the hours it recorded.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Comparar, filtrar e aquecer&lt;/h3&gt;&lt;p&gt;Exibir &amp;gt; Comparar localidades mostra uma barra dos percentuais anuais por estratégia para cada localidade da lista, numa escala de 0 a 100 % do ano, na ordem da lista, por nome ou pela parcela de uma estratégia; abre na localidade analisada, e Enter ou um clique analisa uma linha. A imagem e a tabela podem ser salvas.&lt;/p&gt;&lt;p&gt;Exibir &amp;gt; Horas analisadas conta só um intervalo de horas do relógio e de meses, por exemplo as horas de uso de uma escola; a carta acinzenta as horas deixadas de fora.&lt;/p&gt;&lt;p&gt;Exibir &amp;gt; E se acrescenta um aquecimento às normais mensais, um valor para todos os meses ou doze variações mensais digitadas ou carregadas de um arquivo CSV, e mostra as parcelas com e sem ele. Um valor fora do intervalo aceito é recusado. Remover aquecimento volta às normais como foram lidas.&lt;/p&gt;&lt;p&gt;Exibir &amp;gt; Dias típicos e Exibir &amp;gt; Horas registradas alternam, para um arquivo climático, entre os dias típicos gerados de suas normais e as horas que ele registrou.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Lit: %1, %2 hours; Escape shows all</source>
        <translation>Destacada: %1, %2 horas; Esc mostra todas</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América do Sul</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Mundo</translation>
    </message>
    <message>
        <source>Monthly Data file</source>
        <translation>Arquivo de Dados Mensais</translation>
    </message>
    <message>
        <source>Data set: %1</source>
        <translation>Conjunto de dados: %1</translation>
    </message>
    <message>
        <source>Built-in climatic data base</source>
        <translation>Base de dados climáticos embutida</translation>
    </message>
    <message>
        <source>Location: %1 (%2)</source>
        <translation>Localidade: %1 (%2)</translation>
    </message>
    <message>
        <source>Recorded hours</source>
        <translation>Horas registradas</translation>
    </message>
    <message>
        <source>Typical days</source>
        <translation>Dias típicos</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source> (recorded hours)</source>
        <translation> (horas registradas)</translation>
    </message>
    <message>
        <source>no zone</source>
        <translation>fora das zonas</translation>
    </message>
    <message>
        <source>%1 %2, %3 h</source>
        <translation>%2 de %1, %3h</translation>
    </message>
    <message>
        <source>%1, %2 h (typical day)</source>
        <translation>%1, %2h (dia típico)</translation>
    </message>
    <message>
        <source>%1: DBT %2 °C, RH %3 %, W %4 g/kg, %5</source>
        <translation>%1: TBS %2 °C, UR %3 %, W %4 g/kg, %5</translation>
    </message>
    <message>
        <source> (not counted)</source>
        <translation> (não contada)</translation>
    </message>
    <message>
        <source>Lit: %1, %2 of the hours shown; the others dimmed.</source>
        <translation>Em destaque: %1, %2 das horas mostradas; as demais esmaecidas.</translation>
    </message>
</context>
<context>
    <name>qav::AdaptiveHoursTable</name>
    <message>
        <source>Hours within, above and below the adaptive comfort band by month</source>
        <translation>Horas dentro, acima e abaixo da faixa de conforto adaptativo por mês</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Within 80 %</source>
        <translation>Dentro 80 %</translation>
    </message>
    <message>
        <source>Within II</source>
        <translation>Dentro II</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Acima</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Abaixo</translation>
    </message>
    <message>
        <source>Within, fans</source>
        <translation>Dentro, ventiladores</translation>
    </message>
    <message>
        <source>Above, fans</source>
        <translation>Acima, ventiladores</translation>
    </message>
    <message>
        <source>Within the 80 % limits with ceiling fans at 0.9 m/s</source>
        <translation>Dentro dos limites de aceitabilidade de 80 % com ventiladores de teto a 0,9 m/s (velocidade do ar)</translation>
    </message>
    <message>
        <source>Above the 80 % limit even with ceiling fans at 0.9 m/s</source>
        <translation>Acima do limite de 80 % mesmo com ventiladores de teto a 0,9 m/s</translation>
    </message>
    <message>
        <source>outside the model&apos;s range</source>
        <translation>fora da faixa de validade do modelo</translation>
    </message>
</context>
<context>
    <name>qav::AdaptiveHoursText</name>
    <message>
        <source>below the band</source>
        <translation>abaixo da faixa</translation>
    </message>
    <message>
        <source>within the band</source>
        <translation>dentro da faixa</translation>
    </message>
    <message>
        <source>above, within with fans at 0.9 m/s</source>
        <translation>acima, dentro com ventiladores a 0,9 m/s</translation>
    </message>
    <message>
        <source>above the band</source>
        <translation>acima da faixa</translation>
    </message>
    <message>
        <source>outside the model&apos;s range</source>
        <translation>fora da faixa de validade do modelo</translation>
    </message>
    <message>
        <source>ASHRAE 55 adaptive model, 80 % acceptability limits, %1</source>
        <translation>modelo adaptativo da ASHRAE 55, limites de aceitabilidade de 80 %, %1</translation>
    </message>
    <message>
        <source>EN 16798-1 adaptive model, category II, %1</source>
        <translation>modelo adaptativo da EN 16798-1, categoria II, %1</translation>
    </message>
    <message>
        <source>typical days</source>
        <translation>dias típicos</translation>
    </message>
    <message>
        <source>recorded hours (shares of each hour&apos;s days)</source>
        <translation>horas registradas (parcelas dos dias de cada hora)</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
</context>
<context>
    <name>qav::AdaptiveHoursView</name>
    <message>
        <source>Hours against the adaptive comfort band</source>
        <translation>Horas diante da faixa de conforto do modelo adaptativo</translation>
    </message>
    <message>
        <source>%1: outside the model&apos;s range</source>
        <translation>%1: fora da faixa de validade do modelo</translation>
    </message>
    <message>
        <source>%1: %2 hours below, %3 within, %4 above the band</source>
        <translation>%1: %2 horas abaixo, %3 dentro, %4 acima da faixa</translation>
    </message>
    <message>
        <source> (%1 of them within with fans at 0.9 m/s)</source>
        <translation> (%1 delas dentro com ventiladores a 0,9 m/s)</translation>
    </message>
</context>
<context>
    <name>qav::Advice</name>
    <message>
        <source>Heat must be added in the coldest hours; passive gains alone cannot keep the rooms comfortable.</source>
        <translation>Nas horas mais frias é preciso fornecer calor; os ganhos passivos sozinhos não mantêm os ambientes confortáveis.</translation>
    </message>
    <message>
        <source>The sun can carry the heating of the cool hours if the building collects its heat in the day and keeps it.</source>
        <translation>O sol pode suprir o aquecimento das horas frescas se o edifício captar o seu calor durante o dia e conservá-lo.</translation>
    </message>
    <message>
        <source>Heavy construction stores the day&apos;s heat, solar and internal, and gives it back in the cold night, evening out the daily swing.</source>
        <translation>A construção pesada armazena o calor do dia, solar e interno, e o devolve na noite fria, amortecendo a variação diária.</translation>
    </message>
    <message>
        <source>Air that is warm enough but very dry irritates eyes, skin and airways; the rooms need moisture.</source>
        <translation>Ar com temperatura adequada mas muito seco irrita olhos, pele e vias respiratórias; os ambientes precisam de umidade.</translation>
    </message>
    <message>
        <source>The outdoor air is comfortable in these hours; the building should not spoil it.</source>
        <translation>Nestas horas o ar externo é confortável; o edifício não deve estragar isso.</translation>
    </message>
    <message>
        <source>Air movement over the body cools it in warm, humid hours; the building must let the breeze through the occupied rooms.</source>
        <translation>O movimento do ar sobre o corpo o refresca nas horas quentes e úmidas; o edifício deve deixar a brisa passar pelos ambientes ocupados.</translation>
    </message>
    <message>
        <source>Days are hot but nights cool: heavy construction absorbs the day&apos;s heat and the night air carries it away, so the rooms stay cooler than the air outside at noon.</source>
        <translation>Os dias são quentes, mas as noites frescas: a construção pesada absorve o calor do dia e o ar da noite o leva embora, de modo que os ambientes ficam mais frescos que o ar externo ao meio-dia.</translation>
    </message>
    <message>
        <source>Hot, dry air can be cooled by evaporating water into it; the building must bring the cooled air in and let it out.</source>
        <translation>O ar quente e seco pode ser resfriado pela evaporação de água; o edifício deve trazer para dentro o ar resfriado e deixá-lo sair.</translation>
    </message>
    <message>
        <source>The air is too hot, or too hot and humid, for passive means; mechanical cooling is needed in these hours.</source>
        <translation>O ar está quente demais, ou quente e úmido demais, para meios passivos; nestas horas é preciso resfriamento mecânico.</translation>
    </message>
</context>
<context>
    <name>qav::AnalysisText</name>
    <message>
        <source>all hours</source>
        <translation>todas as horas</translation>
    </message>
    <message>
        <source>hours %1-%2</source>
        <translation>%1h–%2h</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <comment>a range of months</comment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>hours, months</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%2 °C</source>
        <translation>%1%2 °C</translation>
    </message>
    <message>
        <source>monthly changes</source>
        <translation>mudanças mensais</translation>
    </message>
    <message>
        <source>%1 %2: %3 %4 = %5 is outside %6 to %7</source>
        <translation>%1 %2: %3 %4 = %5 está fora de %6 a %7</translation>
    </message>
    <message>
        <source>Counted: %1</source>
        <translation>Horas contadas: %1</translation>
    </message>
    <message>
        <source>What if: %1</source>
        <translation>E se: %1</translation>
    </message>
    <message>
        <source>%1 DBTmin: %2 %3 = %4 is above DBTmax %5 %6 = %7</source>
        <translation>%1 DBTmin: %2 %3 = %4 está acima de DBTmax %5 %6 = %7</translation>
    </message>
</context>
<context>
    <name>qav::ChartNotes</name>
    <message>
        <source>Notes on the chart</source>
        <translation>Notas sobre a carta</translation>
    </message>
    <message>
        <source>1 recorded hour is colder than %1, the chart&apos;s edge</source>
        <translation>1 hora registrada é mais fria que %1, o limite da carta</translation>
    </message>
    <message>
        <source>%1 recorded hours are colder than %2, the chart&apos;s edge</source>
        <translation>%1 horas registradas são mais frias que %2, o limite da carta</translation>
    </message>
    <message>
        <source>1 recorded hour is warmer than %1, the chart&apos;s edge</source>
        <translation>1 hora registrada é mais quente que %1, o limite da carta</translation>
    </message>
    <message>
        <source>%1 recorded hours are warmer than %2, the chart&apos;s edge</source>
        <translation>%1 horas registradas são mais quentes que %2, o limite da carta</translation>
    </message>
    <message>
        <source>1 recorded hour is more humid than %1, the chart&apos;s top</source>
        <translation>1 hora registrada é mais úmida que %1, o topo da carta</translation>
    </message>
    <message>
        <source>%1 recorded hours are more humid than %2, the chart&apos;s top</source>
        <translation>%1 horas registradas são mais úmidas que %2, o topo da carta</translation>
    </message>
    <message>
        <source>1 hour the file marks as missing is left out</source>
        <translation>1 hora marcada como ausente no arquivo fica de fora</translation>
    </message>
    <message>
        <source>%1 hours the file marks as missing are left out</source>
        <translation>%1 horas marcadas como ausentes no arquivo ficam de fora</translation>
    </message>
</context>
<context>
    <name>qav::Clipboard</name>
    <message>
        <source>warmed</source>
        <translation>aquecida</translation>
    </message>
</context>
<context>
    <name>qav::ComfortMenu</name>
    <message>
        <source>Com&amp;fort model</source>
        <translation>Modelo de con&amp;forto</translation>
    </message>
    <message>
        <source>&amp;Chart&apos;s comfort zone (Givoni)</source>
        <translation>Zona de conforto da &amp;carta (Givoni)</translation>
    </message>
    <message>
        <source>&amp;ASHRAE 55 adaptive</source>
        <translation>Modelo adaptativo &amp;ASHRAE 55</translation>
    </message>
    <message>
        <source>&amp;EN 16798-1 adaptive</source>
        <translation>Modelo adaptativo &amp;EN 16798-1</translation>
    </message>
</context>
<context>
    <name>qav::ComfortText</name>
    <message>
        <source>%1: &apos;%2&apos; is not givoni, ashrae55 or en16798</source>
        <translation>%1: &apos;%2&apos; não é givoni, ashrae55 nem en16798</translation>
    </message>
    <message>
        <source>%1: needs a weather file (--epw): only recorded hours have a wind</source>
        <translation>%1: requer um arquivo climático (--epw): só as horas registradas têm vento</translation>
    </message>
    <message>
        <source>ASHRAE 55, 80 % / 90 % (dots: 0.9 m/s)</source>
        <translation>ASHRAE 55, 80 % / 90 % (pontos: 0,9 m/s)</translation>
    </message>
    <message>
        <source>EN 16798-1, categories I to III</source>
        <translation>EN 16798-1, categorias I a III</translation>
    </message>
    <message>
        <source>All hours</source>
        <translation>Todas as horas</translation>
    </message>
    <message>
        <source>Ventilation hours (F)</source>
        <translation>Horas de ventilação (F)</translation>
    </message>
    <message>
        <source>calm %1 %</source>
        <translation>calmaria %1 %</translation>
    </message>
    <message>
        <source>no hours with wind</source>
        <translation>nenhuma hora com vento</translation>
    </message>
    <message>
        <source>wind speed (m/s)</source>
        <translation>velocidade do vento (m/s)</translation>
    </message>
    <message>
        <source>prevailing winds: %1, %2 %</source>
        <translation>ventos predominantes: %1, %2 %</translation>
    </message>
    <message>
        <source>Adaptive comfort</source>
        <translation>Conforto adaptativo</translation>
    </message>
    <message>
        <source>By the adaptive model of ASHRAE 55-2020, people in a naturally ventilated building accept a band of temperatures that follows the month&apos;s mean outdoor temperature: the comfort temperature is 0.31 times that mean plus 17.8 °C, with 80 % and 90 % acceptability limits 3.5 and 2.5 K either side (°C in the table). The table counts the %1 within the 80 % band, above it and within the 90 % band, within the 80 % band once ceiling fans move the air at 0.9 m/s (its upper limit 1.8 K higher), and beside them the hours the chart finds comfortable (E).</source>
        <translation>Pelo modelo adaptativo da ASHRAE 55-2020, as pessoas num edifício ventilado naturalmente aceitam uma faixa de temperaturas que acompanha a temperatura externa média do mês: a temperatura de conforto é 0,31 vez essa média mais 17,8 °C, com limites de aceitabilidade de 80 % e 90 % a 3,5 e 2,5 K de cada lado (°C na tabela). A tabela conta as %1 dentro da faixa de 80 %, acima dela e dentro da faixa de 90 %, dentro da faixa de 80 % quando ventiladores de teto movem o ar a 0,9 m/s (o limite superior 1,8 K mais alto) e, ao lado, as horas que a carta considera confortáveis (E).</translation>
    </message>
    <message>
        <source>By the adaptive model of EN 16798-1, people in a building without mechanical cooling accept a band of temperatures that follows the month&apos;s mean outdoor temperature: the comfort temperature is 0.33 times that mean plus 18.8 °C, with categories I (-3/+2 K), II (-4/+3 K) and III (-5/+4 K) (°C in the table). The table counts the %1 within each category, beside the hours the chart finds comfortable (E).</source>
        <translation>Pelo modelo adaptativo da EN 16798-1, as pessoas num edifício sem resfriamento mecânico aceitam uma faixa de temperaturas que acompanha a temperatura externa média do mês: a temperatura de conforto é 0,33 vez essa média mais 18,8 °C, com as categorias I (-3/+2 K), II (-4/+3 K) e III (-5/+4 K) (°C na tabela). A tabela conta as %1 dentro de cada categoria e, ao lado, as horas que a carta considera confortáveis (E).</translation>
    </message>
    <message>
        <source>hours of the typical days</source>
        <translation>horas dos dias típicos</translation>
    </message>
    <message>
        <source>recorded hours</source>
        <translation>horas registradas</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Comfort</source>
        <translation>Conforto</translation>
    </message>
    <message>
        <source>80 % band</source>
        <translation>Faixa de 80 %</translation>
    </message>
    <message>
        <source>In 80 %</source>
        <translation>Em 80 %</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Acima</translation>
    </message>
    <message>
        <source>In 90 %</source>
        <translation>Em 90 %</translation>
    </message>
    <message>
        <source>Fans</source>
        <translation>Ventiladores</translation>
    </message>
    <message>
        <source>In %1</source>
        <comment>EN 16798-1 category</comment>
        <translation>Em %1</translation>
    </message>
    <message>
        <source>Chart E</source>
        <translation>Carta E</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fora da faixa</translation>
    </message>
    <message>
        <source>Method: the outdoor dry-bulb temperature of each hour stands in for the indoor operative temperature of a free-running building, and the month&apos;s mean (of the normals&apos; minimum and maximum for the typical days, of the recorded hours for a weather file) for the prevailing mean outdoor temperature. ASHRAE 55-2020, section 5.4 and table 5.4.2.4 (elevated air speed), holds for means of 10 to 33.5 °C; EN 16798-1:2019, annex B.2.2, for 10 to 30 °C (upper limits) and 15 to 30 °C (lower limits). A month outside its model&apos;s range is not counted.</source>
        <translation>Método: a temperatura de bulbo seco externa de cada hora faz as vezes da temperatura operativa interna de um edifício em livre evolução, e a média do mês (da mínima e da máxima das normais para os dias típicos, das horas registradas para um arquivo climático) a da temperatura externa média predominante. A ASHRAE 55-2020, seção 5.4 e tabela 5.4.2.4 (velocidade do ar elevada), vale para médias de 10 a 33,5 °C; a EN 16798-1:2019, anexo B.2.2, de 10 a 30 °C (limites superiores) e de 15 a 30 °C (limites inferiores). Um mês fora da faixa do seu modelo não é contado.</translation>
    </message>
    <message>
        <source>Wind rose</source>
        <translation>Rosa dos ventos</translation>
    </message>
    <message>
        <source>The wind the weather file records (direction it blows from and speed), in 16 sectors; calms are hours below 0.5 m/s. The ventilation hours are those the chart classifies F.</source>
        <translation>O vento que o arquivo climático registra (direção de onde sopra e velocidade), em 16 setores; calmaria são as horas abaixo de 0,5 m/s. As horas de ventilação são as que a carta classifica como F.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Prevailing winds</source>
        <translation>Ventos predominantes</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Median speed</source>
        <translation>Velocidade mediana</translation>
    </message>
    <message>
        <source>Calm</source>
        <translation>Calmaria</translation>
    </message>
    <message>
        <source>December-February</source>
        <translation>Dezembro a fevereiro</translation>
    </message>
    <message>
        <source>March-May</source>
        <translation>Março a maio</translation>
    </message>
    <message>
        <source>June-August</source>
        <translation>Junho a agosto</translation>
    </message>
    <message>
        <source>September-November</source>
        <translation>Setembro a novembro</translation>
    </message>
    <message>
        <source>In the ventilation hours the wind comes from %1 %2 % of the time, at a median %3 m/s: put the inlets on the façade facing %1 and the outlets on the opposite one.</source>
        <translation>Nas horas de ventilação o vento vem de %1 em %2 % do tempo, a uma velocidade do ar mediana de %3 m/s: coloque as entradas de ar na fachada voltada para %1 e as saídas na oposta.</translation>
    </message>
</context>
<context>
    <name>qav::CompareView</name>
    <message>
        <source>List order</source>
        <translation>Ordem da lista</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Largest share of %1 %2</source>
        <translation>Maior percentual do ano de %1 %2</translation>
    </message>
    <message>
        <source>Sort the locations</source>
        <translation>Ordenar as localidades</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Ordenar por:</translation>
    </message>
    <message>
        <source>Yearly share of each strategy by location</source>
        <translation>Percentuais anuais por estratégia, por localidade</translation>
    </message>
    <message>
        <source>Save &amp;picture…</source>
        <translation>Salvar &amp;imagem…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar CSV…</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localidade</translation>
    </message>
    <message>
        <source>Typical days</source>
        <translation>Dias típicos</translation>
    </message>
    <message>
        <source>Top strategy</source>
        <translation>Estratégia principal</translation>
    </message>
    <message>
        <source>Recorded hours</source>
        <translation>Horas registradas</translation>
    </message>
    <message>
        <source>Top (recorded)</source>
        <translation>Principal (registradas)</translation>
    </message>
    <message>
        <source>Shares</source>
        <translation>Percentuais anuais por estratégia</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, %2, top strategy: %3</source>
        <translation>%1, %2, estratégia principal: %3</translation>
    </message>
    <message>
        <source>typical days</source>
        <translation>dias típicos</translation>
    </message>
    <message>
        <source>recorded hours</source>
        <translation>horas registradas</translation>
    </message>
    <message>
        <source>Save compare picture</source>
        <translation>Salvar imagem da comparação</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>Não foi possível codificar a imagem.</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>A imagem não pôde ser salva.</translation>
    </message>
    <message>
        <source>Export compare table</source>
        <translation>Exportar tabela da comparação</translation>
    </message>
    <message>
        <source>The table could not be exported.</source>
        <translation>A tabela não pôde ser exportada.</translation>
    </message>
    <message>
        <source>Scale of the bars: 0 to 100 % of the year</source>
        <translation>Escala das barras: 0 a 100 % do ano</translation>
    </message>
    <message>
        <source>list order</source>
        <translation>ordem da lista</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>share of %1</source>
        <translation>percentual do ano de %1</translation>
    </message>
    <message>
        <source>Compare locations, by %1</source>
        <translation>Comparar localidades, por %1</translation>
    </message>
    <message>
        <source>Compare locations: %1, by %2</source>
        <translation>Comparar localidades: %1, por %2</translation>
    </message>
    <message>
        <source>A tick every 10 %, numbered at 0, 25, 50, 75 and 100 %, under the bars of the shares</source>
        <translation>Uma marca a cada 10 %, numerada em 0, 25, 50, 75 e 100 %, sob as barras dos percentuais</translation>
    </message>
</context>
<context>
    <name>qav::CoordinatesText</name>
    <message>
        <source>latitude %1 is out of range (-90 to 90)</source>
        <translation>latitude %1 está fora do intervalo (-90 a 90)</translation>
    </message>
    <message>
        <source>longitude %1 is out of range (-180 to 180)</source>
        <translation>longitude %1 está fora do intervalo (-180 a 180)</translation>
    </message>
    <message>
        <source>elevation %1 is out of range (-500 to 9000 m)</source>
        <translation>altitude %1 está fora do intervalo (-500 a 9000 m)</translation>
    </message>
</context>
<context>
    <name>qav::ExportActions</name>
    <message>
        <source>Save &amp;chart as…</source>
        <translation>Salvar &amp;carta como…</translation>
    </message>
    <message>
        <source>Save &amp;graph as…</source>
        <translation>Salvar &amp;gráfico como…</translation>
    </message>
    <message>
        <source>&amp;Export results…</source>
        <translation>Exportar &amp;resultados…</translation>
    </message>
    <message>
        <source>Export &amp;hourly table…</source>
        <translation>Exportar tabela &amp;horária…</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>Não foi possível codificar a imagem.</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Salvar carta como</translation>
    </message>
    <message>
        <source>Save graph as</source>
        <translation>Salvar gráfico como</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>Export hourly table</source>
        <translation>Exportar tabela horária</translation>
    </message>
    <message>
        <source>The file could not be written:
%1
</source>
        <translation>Não foi possível gravar o arquivo:
%1
</translation>
    </message>
    <message>
        <source>Export re&amp;port…</source>
        <translation>Exportar relatório em &amp;PDF…</translation>
    </message>
    <message>
        <source>PDF report, A4 (*.pdf)</source>
        <translation>Relatório PDF, A4 (*.pdf)</translation>
    </message>
    <message>
        <source>PDF report, Letter (*.pdf)</source>
        <translation>Relatório PDF, Carta (*.pdf)</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exportar relatório</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, double resolution (*.png)</source>
        <translation>Imagem PNG, resolução dupla (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>qav::FacadeText</name>
    <message>
        <source>%1: %2 overheated sun-hours and none that want sun: a fixed overhang with a %3° cut-off (depth %4 × the window height) shades 90 % of them.</source>
        <translation>%1: %2 horas de sol sobreaquecidas e nenhuma em que o sol seja desejado: um brise horizontal fixo com corte de %3° (profundidade de %4 × a altura da janela) sombreia 90 % delas.</translation>
    </message>
    <message>
        <source>%1: %2 overheated sun-hours and none that want sun: fins or an overhang alone will not do (%3° cut-off); shade it with vertical louvres or avoid windows.</source>
        <translation>%1: %2 horas de sol sobreaquecidas e nenhuma em que o sol seja desejado: brises verticais ou um brise horizontal sozinhos não bastam (corte de %3°); sombreie-a com um painel de lâminas verticais à frente das janelas ou evite janelas.</translation>
    </message>
    <message>
        <source>%1: an overhang with a %2° cut-off (depth %3 × the window height) shades 90 % of the %4 overheated sun-hours and keeps %5 % of the winter sun.</source>
        <translation>%1: um brise horizontal com corte de %2° (profundidade de %3 × a altura da janela) sombreia 90 % das %4 horas de sol sobreaquecidas e preserva %5 % do sol de inverno.</translation>
    </message>
    <message>
        <source>Movable shading (shutters, awnings) lets more of it in.</source>
        <translation>Um sombreamento móvel (venezianas, toldos) deixa entrar mais dele.</translation>
    </message>
    <message>
        <source>%1: its %2 overheated and %3 underheated sun-hours come in low, where an overhang alone cannot tell them apart (%4° cut-off); use movable shading (shutters, awnings) or external louvres.</source>
        <translation>%1: as suas %2 horas de sol sobreaquecidas e %3 subaquecidas chegam baixas, e um brise horizontal sozinho não as separa (corte de %4°); use sombreamento móvel (venezianas, toldos) ou brises externos.</translation>
    </message>
    <message>
        <source>%1: %2 overheated sun-hours and none that want sun: an overhang alone would need a %3° cut-off; vertical fins with a %4° cut-off (depth %5 × the window width) shade 90 % of them.</source>
        <translation>%1: %2 horas de sol sobreaquecidas e nenhuma em que o sol seja desejado: um brise horizontal sozinho precisaria de corte de %3°; brises verticais com corte de %4° (profundidade de %5 × a largura da janela) sombreiam 90 % delas.</translation>
    </message>
    <message>
        <source>%1: vertical fins with a %2° cut-off (depth %3 × the window width) shade 90 % of the %4 overheated sun-hours and keep %5 % of the winter sun; an overhang alone would need a %6° cut-off.</source>
        <translation>%1: brises verticais com corte de %2° (profundidade de %3 × a largura da janela) sombreiam 90 % das %4 horas de sol sobreaquecidas e preservam %5 % do sol de inverno; um brise horizontal sozinho precisaria de corte de %6°.</translation>
    </message>
</context>
<context>
    <name>qav::FileChooserPanel</name>
    <message>
        <source>          QAV-06                 Open Climatic Data File</source>
        <translation>          QAV-06                 Abrir arquivo de dados climáticos</translation>
    </message>
    <message>
        <source> Monthly Data:   MD*.TXT</source>
        <translation> Dados mensais:   MD*.TXT</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>File-system roots and mounted volumes</source>
        <translation>Raízes do sistema de arquivos e volumes montados</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Double-click a folder, or press Enter, to open it</source>
        <translation>Clique duas vezes em uma pasta, ou pressione Enter, para abri-la</translation>
    </message>
    <message>
        <source>Monthly Data files</source>
        <translation>Arquivos de dados mensais</translation>
    </message>
    <message>
        <source>Click a file, or press Enter, to open it</source>
        <translation>Clique em um arquivo, ou pressione Enter, para abri-lo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>qav::HelpTexts</name>
    <message>
        <source>  QAV %1    Monthly Data (MD) File Format</source>
        <translation>  QAV %1    Formato do arquivo de dados mensais (MD)</translation>
    </message>
    <message>
        <source>
File name: QAV + Title + .TXT

One file can contain the data of up to 50 locations.
The data regarding each location occupy 13 lines with columns separated by comma.

All words should be written between quotation marks (names of cities, countries and sources).

Line 1 = Location, Country, Latitude (N+S-), Longitude, Elevation (m), Data Source
Line 2 to line 13 = Month, DBTmin, DBTmax, RHavg

DBTmin = Mean monthly minimum Dry Bulb Temperature
DBTmax = Mean monthly maximum Dry Bulb Temperature
RHavg = Mean monthly Relative Humidity

See the file &apos;QAVworld.TXT&apos;, enclosed to this software.
</source>
        <translation>
Nome do arquivo: QAV + título + .TXT

Um arquivo pode conter os dados de até 50 localidades.
Os dados de cada localidade ocupam 13 linhas, com as colunas separadas por vírgula.

Todas as palavras devem ser escritas entre aspas (nomes de cidades, países e fontes).
Os números usam ponto como separador decimal (por exemplo, -15.78).

Linha 1 = Localidade, País, Latitude (N+ S-), Longitude, Altitude (m), Fonte dos dados
Linhas 2 a 13 = Mês, DBTmin, DBTmax, RHavg

DBTmin = Média mensal das temperaturas mínimas de bulbo seco
DBTmax = Média mensal das temperaturas máximas de bulbo seco
RHavg = Umidade relativa média mensal

Veja o arquivo &apos;QAVworld.TXT&apos;, que acompanha este programa.
</translation>
    </message>
    <message>
        <source>  About QAV %1</source>
        <translation>  Sobre o QAV %1</translation>
    </message>
    <message>
        <source>  QAV %1     About Climatic Data</source>
        <translation>  QAV %1     Sobre os dados climáticos</translation>
    </message>
    <message>
        <source>  QAV %1     What if it were warmer</source>
        <translation>  QAV %1     E se fizer mais calor?</translation>
    </message>
    <message>
        <source>View &gt; What if... adds a warming to the monthly normals of the location shown:
one value in degrees C for every month&apos;s DBTmin and DBTmax, or a table of twelve
monthly changes of DBTmin, DBTmax (degrees C) and RHavg (percentage points).

Relative humidity is kept unless a change of it is given, so the humidity ratio
rises with temperature, as climate projections broadly show.
For a weather file, every recorded hour is shifted by its month&apos;s mean change
of temperature (the &quot;shift&quot; method of weather-file morphing), keeping its
relative humidity, and classified again.

The shares with and without the warming are shown side by side with their
difference, and the chart shows the changed hours.

This is a sensitivity test, not a projection. For the values to enter, use
published regional projections, such as the monthly changes of the IPCC WGI
Interactive Atlas (interactive-atlas.ipcc.ch).

qav-cli: analyze --warming C, or --warming-file FILE with the header
month,dbt_min,dbt_max,rh_avg and twelve rows of changes.
</source>
        <translation>Exibir &gt; E se... acrescenta um aquecimento às normais mensais da localidade mostrada:
um valor em graus C para DBTmin e DBTmax de todos os meses, ou uma tabela de doze
mudanças mensais de DBTmin, DBTmax (graus C) e RHavg (pontos percentuais).

A umidade relativa é mantida, a menos que se dê uma mudança dela, de modo que a razão
de umidade sobe com a temperatura, como as projeções climáticas mostram em linhas gerais.
Para um arquivo climático, cada hora registrada é deslocada pela mudança média de
temperatura do seu mês (o método de &quot;deslocamento&quot; da transformação de arquivos
climáticos), mantendo a sua umidade relativa, e classificada de novo.

Os percentuais com e sem o aquecimento são mostradas lado a lado com a sua diferença,
e a carta mostra as horas mudadas.

Isto é um teste de sensibilidade, não uma projeção. Para os valores, use projeções
regionais publicadas, como as mudanças mensais do Atlas Interativo do IPCC WGI
(interactive-atlas.ipcc.ch).

qav-cli: analyze --warming C, ou --warming-file ARQUIVO com o cabeçalho
month,dbt_min,dbt_max,rh_avg e doze linhas de mudanças.
</translation>
    </message>
    <message>
        <source>QAV     Meridane


Free software based on bioclimatic charts proposed by
Baruch Givoni, &quot;Comfort, climate analysis and building design guidelines&quot;,
Energy and Buildings, vol. 18, July 1992, pp. 11-23.

Licence: GNU General Public License, version 3 or (at your option)
any later version (GPL-3.0-or-later). It comes with no warranty.

The hourly values of temperatures and humidities are
generated from the monthly normals by the daily-cycle method described in Help.

Author: The QAV developers
e-mail: none published
Degree programme: not applicable (project release)
University: not applicable (project release, no university, state or country)


Released December 2026
</source>
        <translation>QAV     Meridane


Software livre baseado nas cartas bioclimáticas propostas por
Baruch Givoni, &quot;Comfort, climate analysis and building design guidelines&quot;,
Energy and Buildings, vol. 18, julho de 1992, p. 11-23.

Licença: GNU General Public License, versão 3 ou (a seu critério)
qualquer versão posterior (GPL-3.0-or-later). Sem nenhuma garantia.

Os valores horários de temperatura e umidade são
gerados a partir das normais mensais pelo método do ciclo diário descrito na Ajuda.

Autor: os desenvolvedores do QAV
e-mail: não publicado
Curso: não se aplica (versão do projeto)
Universidade: não se aplica (versão do projeto, sem universidade, estado ou país)


Lançado em dezembro de 2026
</translation>
    </message>
    <message>
        <source>
Find a place or station also searches 135,233 towns and cities of the world:
GeoNames (geonames.org), CC BY 4.0, with our Portuguese names of the larger ones.
A place is analysed as its nearest station within 300 km; its own elevation is not known.
</source>
        <translation>
Buscar local ou estação também pesquisa 135.233 cidades e vilas do mundo:
GeoNames (geonames.org), CC BY 4.0, com os nomes em português das maiores, escritos para o QAV.
Um local é analisado com a estação mais próxima a até 300 km; a altitude do próprio local não é conhecida.
</translation>
    </message>
    <message>
        <source>
The Brazil set matches INMET&apos;s climatological normals 1961-1990
(https://portal.inmet.gov.br/normais) within 0.2 °C: the median over 26 capitals;
Palmas has no 1961-1990 normal.
The South America and World sets are compiled normals of mixed periods,
mostly within 1 °C of the national normals.
For the current climate, use the stations of 1991-2020 (File &gt; Find a station).
</source>
        <translation>
O conjunto Brasil coincide com as Normais Climatológicas 1961-1990 do INMET
(https://portal.inmet.gov.br/normais) com diferença de até 0,2 °C: a mediana das 26 capitais;
Palmas não tem normal de 1961-1990.
Os conjuntos América do Sul e Mundo são normais compiladas de períodos variados,
em geral a menos de 1 °C das normais nacionais.
Para o clima atual, use as estações de 1991-2020 (Arquivo &gt; Buscar local ou estação).
</translation>
    </message>
    <message>
        <source>
Find a station (Ctrl+F) searches the normals 1991-2020 of 3,730 stations in 89 countries:
WMO Climatological Normals 1991-2020 (NOAA NCEI, from the data of WMO Members)
and INMET, Normais Climatológicas do Brasil 1991-2020. Their source field reads
&quot;WMO 83377 1991-2020&quot; or &quot;INMET 83897 1991-2020&quot;, after the service whose normals they are;
&quot;RH derived&quot; marks a humidity computed from the mean vapour pressure.
</source>
        <translation>
Buscar local ou estação (Ctrl+F) busca as normais 1991-2020 de 3.730 estações em 89 países:
Normais Climatológicas da OMM 1991-2020 (NOAA NCEI, com dados dos Membros da OMM)
e INMET, Normais Climatológicas do Brasil 1991-2020. O campo de fonte diz
&quot;WMO 83377 1991-2020&quot; ou &quot;INMET 83897 1991-2020&quot;, conforme o serviço que publicou as normais;
&quot;RH derived&quot; marca uma umidade calculada a partir da pressão de vapor média.
</translation>
    </message>
</context>
<context>
    <name>qav::HoursAnalysedDialog</name>
    <message>
        <source>Hours analysed</source>
        <translation>Horas analisadas</translation>
    </message>
    <message>
        <source>First clock hour</source>
        <translation>Primeira hora do relógio</translation>
    </message>
    <message>
        <source>Last clock hour</source>
        <translation>Última hora do relógio</translation>
    </message>
    <message>
        <source>First month</source>
        <translation>Primeiro mês</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Último mês</translation>
    </message>
    <message>
        <source>&amp;From clock hour:</source>
        <translation>&amp;Da hora:</translation>
    </message>
    <message>
        <source>&amp;To clock hour:</source>
        <translation>A&amp;té a hora:</translation>
    </message>
    <message>
        <source>From &amp;month:</source>
        <translation>Do &amp;mês:</translation>
    </message>
    <message>
        <source>T&amp;o month:</source>
        <translation>At&amp;é o mês:</translation>
    </message>
    <message>
        <source>Hours are numbered 1 to 24 as in the hourly table: hour 9 is the hour ending at 9:00, hour 24 the one ending at midnight. A range may wrap: 22 to 5 is the night, December to February the southern summer. The chart still draws every hour and greys out those left out; the shares, the legend, the month table and every export count only the selected hours.</source>
        <translation>As horas são numeradas de 1 a 24 como na tabela horária: a hora 9 é a que termina às 9:00, a hora 24 a que termina à meia-noite. Um intervalo pode passar da meia-noite (22 a 5 = a noite) ou da virada do ano (dezembro a fevereiro = o verão no hemisfério sul). A carta continua a desenhar todas as horas e mostra em cinza as deixadas de fora; as parcelas, a legenda, a tabela mensal e todas as exportações contam só as horas escolhidas.</translation>
    </message>
    <message>
        <source>&amp;All hours</source>
        <translation>&amp;Todas as horas</translation>
    </message>
    <message>
        <source>Counted: %1 (%2 hours a day, %3 months)</source>
        <translation>Horas contadas: %1 (%2 horas por dia, %3 meses)</translation>
    </message>
</context>
<context>
    <name>qav::LocationList</name>
    <message>
        <source>Locations</source>
        <translation>Localidades</translation>
    </message>
    <message>
        <source>Choose a location to analyse; type the first letters of its name to jump to it.</source>
        <translation>Escolha uma localidade para analisar; digite as primeiras letras do nome para ir até ela.</translation>
    </message>
</context>
<context>
    <name>qav::MainWindow</name>
    <message>
        <source>Wind</source>
        <translation>Vento</translation>
    </message>
    <message>
        <source>Adaptive comfort</source>
        <translation>Conforto adaptativo</translation>
    </message>
    <message>
        <source>Recent s&amp;ites</source>
        <translation>&amp;Locais recentes</translation>
    </message>
    <message>
        <source>Recent sites</source>
        <translation>Locais recentes</translation>
    </message>
    <message>
        <source>The data are already being presented.
Select any city of the list.
</source>
        <translation>Os dados já estão sendo apresentados.
Selecione uma cidade da lista.
</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open climatic file</source>
        <translation>&amp;Abrir arquivo climático</translation>
    </message>
    <message>
        <source>Open &amp;weather file (EPW)…</source>
        <translation>Abrir arquivo &amp;EPW (EnergyPlus)…</translation>
    </message>
    <message>
        <source>&amp;About climatic files</source>
        <translation>&amp;Sobre os arquivos climáticos</translation>
    </message>
    <message>
        <source>Climatic data &amp;base</source>
        <translation>&amp;Banco de dados climáticos</translation>
    </message>
    <message>
        <source>&amp;Brazil</source>
        <translation>&amp;Brasil</translation>
    </message>
    <message>
        <source>&amp;South America</source>
        <translation>América do &amp;Sul</translation>
    </message>
    <message>
        <source>&amp;World</source>
        <translation>&amp;Mundo</translation>
    </message>
    <message>
        <source>About &amp;this data</source>
        <translation>Sobre es&amp;tes dados</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Carta bioclimática</translation>
    </message>
    <message>
        <source>&amp;Graphic</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;Tabel</source>
        <translation>&amp;Tabela</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Typical days</source>
        <translation>Dias &amp;típicos</translation>
    </message>
    <message>
        <source>&amp;Recorded hours</source>
        <translation>Horas &amp;registradas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Monthly Climatic Files</source>
        <translation>Arquivos climáticos &amp;mensais</translation>
    </message>
    <message>
        <source>&amp;About QAV %1</source>
        <translation>&amp;Sobre o QAV %1</translation>
    </message>
    <message>
        <source>Click a location to see the bioclimatic analysis</source>
        <translation>Clique em uma localidade para ver a análise bioclimática</translation>
    </message>
    <message>
        <source>Select the file</source>
        <translation>Selecione o arquivo</translation>
    </message>
    <message>
        <source>Open weather files (EPW)</source>
        <translation>Abrir arquivos climáticos (EPW)</translation>
    </message>
    <message>
        <source>EnergyPlus weather files (*.epw *.EPW);;All files (*)</source>
        <translation>Arquivos climáticos EnergyPlus (*.epw *.EPW);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>%1 weather files were chosen; the list holds at most %2 locations, so only the first %2 were opened.</source>
        <translation>Foram escolhidos %1 arquivos climáticos; a lista comporta no máximo %2 localidades, por isso só os %2 primeiros foram abertos.</translation>
    </message>
    <message>
        <source>No weather file could be opened; the previous data are still shown.</source>
        <translation>Nenhum arquivo climático pôde ser aberto; os dados anteriores continuam na tela.</translation>
    </message>
    <message>
        <source>%1 of %2 weather files could not be opened:</source>
        <translation>%1 de %2 arquivos climáticos não puderam ser abertos:</translation>
    </message>
    <message>
        <source>The analysis could not be completed:
%1
</source>
        <translation>Não foi possível concluir a análise:
%1
</translation>
    </message>
    <message>
        <source>&amp;Compare locations</source>
        <translation>&amp;Comparar localidades</translation>
    </message>
    <message>
        <source>&amp;Hours analysed…</source>
        <translation>Horas &amp;analisadas…</translation>
    </message>
    <message>
        <source>&amp;What if…</source>
        <translation>&amp;E se…</translation>
    </message>
    <message>
        <source>&amp;What if it were warmer</source>
        <translation>&amp;E se fizer mais calor?</translation>
    </message>
    <message>
        <source>What if: not for %1 (%2)</source>
        <translation>E se: não para %1 (%2)</translation>
    </message>
    <message>
        <source>The warming cannot be added to %1:
%2
The analysis shows its normals unchanged.
</source>
        <translation>O aquecimento não pode ser somado a %1:
%2
A análise mostra as suas normais sem mudança.
</translation>
    </message>
    <message>
        <source>Analyse at this &amp;screen&apos;s size</source>
        <translation>Analisar no tamanho &amp;desta tela</translation>
    </message>
    <message>
        <source>Lay the chart and its zone map out for this monitor, as older versions did, instead of the reference screen of 1024 x 768 pixels</source>
        <translation>Dimensionar a carta e o seu mapa de zonas para este monitor, como nas versões anteriores, em vez da tela de referência de 1024 x 768 pixels</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Hours per month and strategy</source>
        <translation>Horas por mês e estratégia</translation>
    </message>
    <message>
        <source>Analysed at this screen&apos;s size, %1 x %2 pixels: the shares may differ from those of other screens and of qav-cli without --screen.</source>
        <translation>Analisado no tamanho desta tela, %1 x %2 pixels: as porcentagens podem diferir das de outras telas e das do qav-cli sem --screen.</translation>
    </message>
    <message>
        <source>Hours per &amp;month and strategy</source>
        <translation>Horas por &amp;mês e estratégia</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>Arquivos rece&amp;ntes</translation>
    </message>
    <message>
        <source>&amp;Using QAV</source>
        <translation>&amp;Como usar o QAV</translation>
    </message>
    <message>
        <source>Bioclimatic chart</source>
        <translation>Carta bioclimática</translation>
    </message>
    <message>
        <source>Monthly climate graph</source>
        <translation>Gráfico climático mensal</translation>
    </message>
    <message>
        <source>Monthly mean minimum and maximum temperatures and relative humidity of %1 (%2)</source>
        <translation>Temperaturas mínima e máxima médias mensais e umidade relativa de %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Analysed at this screen&apos;s size</source>
        <translation>Analisado no tamanho desta tela</translation>
    </message>
    <message>
        <source>Analysed at the reference screen</source>
        <translation>Analisado na tela de referência</translation>
    </message>
    <message>
        <source>Using QAV</source>
        <translation>Como usar o QAV</translation>
    </message>
    <message>
        <source>My sites</source>
        <translation>Meus locais</translation>
    </message>
    <message>
        <source>&amp;Find a place or station…</source>
        <translation>B&amp;uscar local ou estação…</translation>
    </message>
    <message>
        <source>Find the station normals 1991-2020 of a place by its name or coordinates</source>
        <translation>Encontrar as normais 1991-2020 da estação de um lugar pelo nome ou pelas coordenadas</translation>
    </message>
    <message>
        <source>&amp;My sites</source>
        <translation>&amp;Meus locais</translation>
    </message>
    <message>
        <source>A&amp;dd to My sites</source>
        <translation>A&amp;dicionar a Meus locais</translation>
    </message>
    <message>
        <source>Keep the location analysed in My sites</source>
        <translation>Guardar a localidade analisada em Meus locais</translation>
    </message>
    <message>
        <source>Sa&amp;ve My sites as…</source>
        <translation>Salvar Meus locais c&amp;omo…</translation>
    </message>
    <message>
        <source>&amp;Remove from My sites</source>
        <translation>&amp;Remover de Meus locais</translation>
    </message>
    <message>
        <source>My sites is empty.
Find a station (Ctrl+F) or add a location of the list (Ctrl+D).
</source>
        <translation>Meus locais está vazio.
Encontre uma estação (Ctrl+F) ou adicione uma localidade da lista (Ctrl+D).
</translation>
    </message>
    <message>
        <source>%1 is in My sites (%2 of %3).</source>
        <translation>%1 está em Meus locais (%2 de %3).</translation>
    </message>
    <message>
        <source>The oldest, %1, was dropped.</source>
        <translation>O mais antigo, %1, foi retirado.</translation>
    </message>
    <message>
        <source>Save My sites as</source>
        <translation>Salvar Meus locais como</translation>
    </message>
    <message>
        <source>Monthly Data files (QAV*.TXT *.txt)</source>
        <translation>Arquivos de Dados Mensais (QAV*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>   Meridane  (QAV version %1)</source>
        <translation>   Meridane  (QAV versão %1)</translation>
    </message>
    <message>
        <source>Counted: %1, %2 of the %3 hours shown</source>
        <translation>Horas contadas: %1, %2 das %3 horas mostradas</translation>
    </message>
    <message>
        <source>Not analysed: %1</source>
        <translation>Não analisado: %1</translation>
    </message>
    <message>
        <source>Analysed at this screen&apos;s size (%1 × %2 px)</source>
        <translation>Analisado no tamanho desta tela (%1 × %2 px)</translation>
    </message>
    <message>
        <source>Sun and shade</source>
        <translation>Sol e sombra</translation>
    </message>
    <message>
        <source>Results and views</source>
        <translation>Resultados e visualizações</translation>
    </message>
</context>
<context>
    <name>qav::MessageIcon</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
</context>
<context>
    <name>qav::Month</name>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>abbreviation</comment>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>abbreviation</comment>
        <translation>Fev</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>abbreviation</comment>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>abbreviation</comment>
        <translation>Abr</translation>
    </message>
    <message>
        <source>May</source>
        <comment>abbreviation</comment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>abbreviation</comment>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>abbreviation</comment>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>abbreviation</comment>
        <translation>Ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>abbreviation</comment>
        <translation>Set</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>abbreviation</comment>
        <translation>Out</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>abbreviation</comment>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>abbreviation</comment>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>qav::MonthStrategyView</name>
    <message>
        <source>Hours per month and strategy</source>
        <translation>Horas por mês e estratégia</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>The whole year</source>
        <translation>O ano inteiro</translation>
    </message>
    <message>
        <source>Hours of the recorded year</source>
        <translation>Horas do ano registrado</translation>
    </message>
    <message>
        <source>Hours of the typical days</source>
        <translation>Horas dos dias típicos</translation>
    </message>
    <message>
        <source>the year</source>
        <translation>o ano</translation>
    </message>
    <message>
        <source>%1, %2: 1 hour</source>
        <translation>%1, %2: 1 hora</translation>
    </message>
    <message>
        <source>%1, %2: %3 hours</source>
        <translation>%1, %2: %3 horas</translation>
    </message>
    <message>
        <source>Share (%)</source>
        <translation>Percentual do ano (%)</translation>
    </message>
    <message>
        <source>The yearly share after merging, as the legend shows it</source>
        <translation>O percentual do ano após a junção, como a legenda o mostra</translation>
    </message>
    <message>
        <source>%1, share of the year after merging: %2 %</source>
        <translation>%1, percentual do ano após a junção: %2 %</translation>
    </message>
</context>
<context>
    <name>qav::OptionText</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; não é um número</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3</source>
        <translation>%1: %2 está fora de %3</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number</source>
        <translation>%1: &apos;%2&apos; não é um número inteiro</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 (the slots of %4)</source>
        <translation>%1: %2 está fora de %3 (as posições de %4)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not brazil, south-america or world</source>
        <translation>%1: &apos;%2&apos; não é brazil, south-america nem world</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: a slot needs one data set</source>
        <translation>%1: &apos;%2&apos;: uma posição exige um único conjunto de dados</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not WIDTHxHEIGHT</source>
        <translation>%1: &apos;%2&apos; não está na forma LARGURAxALTURA</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not FIRST-LAST</source>
        <translation>%1: &apos;%2&apos; não está na forma PRIMEIRO-ÚLTIMO</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a range within 1..%3 (clock hours)</source>
        <translation>%1: &apos;%2&apos; não é um intervalo dentro de 1..%3 (horas do relógio)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a range within 1..%3 (months)</source>
        <translation>%1: &apos;%2&apos; não é um intervalo dentro de 1..%3 (meses)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not typical, recorded or both</source>
        <translation>%1: &apos;%2&apos; não é typical, recorded nem both</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not en or pt_BR</source>
        <translation>%1: &apos;%2&apos; não é en nem pt_BR</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a strategy letter A..J, name or list</source>
        <translation>%1: &apos;%2&apos; não é uma letra de estratégia A..J, name nem list</translation>
    </message>
    <message>
        <source>%1: %2 is outside 1..%3: %4 has %3 locations</source>
        <translation>%1: %2 está fora de 1..%3: %4 tem %3 localidades</translation>
    </message>
    <message>
        <source>%1: %2 is outside 1..1: %3 has 1 location</source>
        <translation>%1: %2 está fora de 1..1: %3 tem 1 localidade</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a station number</source>
        <translation>%1: &apos;%2&apos; não é um número de estação</translation>
    </message>
    <message>
        <source>%1: %2 is not a station of the catalogue</source>
        <translation>%1: %2 não é uma estação do catálogo</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not table, json or csv</source>
        <translation>%1: &apos;%2&apos; não é table, json nem csv</translation>
    </message>
    <message>
        <source>%1: cannot be combined with %2</source>
        <translation>%1: não pode ser combinado com %2</translation>
    </message>
    <message>
        <source>%1: give either --warming or --warming-file</source>
        <translation>%1: informe --warming ou --warming-file, não ambos</translation>
    </message>
    <message>
        <source>%1: given more than once</source>
        <translation>%1: informado mais de uma vez</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a latitude and a longitude (LAT,LON)</source>
        <translation>%1: &apos;%2&apos; não é uma latitude e uma longitude (LAT,LON)</translation>
    </message>
    <message>
        <source>the request asks for up to %1 locations; at most %2 are analysed in one request</source>
        <translation>o pedido abrange até %1 localidades; no máximo %2 são analisadas num pedido</translation>
    </message>
    <message>
        <source>the request is not a JSON object</source>
        <translation>o pedido não é um objeto JSON</translation>
    </message>
    <message>
        <source>%1: unknown key</source>
        <translation>%1: chave desconhecida</translation>
    </message>
    <message>
        <source>%1: %2 is not true or false</source>
        <translation>%1: %2 não é true nem false</translation>
    </message>
    <message>
        <source>%1: %2 is not a text</source>
        <translation>%1: %2 não é um texto</translation>
    </message>
    <message>
        <source>%1: %2 is not a number or a text</source>
        <translation>%1: %2 não é um número nem um texto</translation>
    </message>
    <message>
        <source>%1: %2 is not a list</source>
        <translation>%1: %2 não é uma lista</translation>
    </message>
    <message>
        <source>%1: %2 is not an object</source>
        <translation>%1: %2 não é um objeto</translation>
    </message>
    <message>
        <source>%1: an input names one of dataset, station, near, md or epw</source>
        <translation>%1: uma entrada indica um só entre dataset, station, near, md e epw</translation>
    </message>
    <message>
        <source>%1: only a data set takes a location</source>
        <translation>%1: só um conjunto de dados aceita uma localidade</translation>
    </message>
    <message>
        <source>%1: needs %2</source>
        <translation>%1: exige %2</translation>
    </message>
    <message>
        <source>locations: a data set or a Monthly Data file is needed</source>
        <translation>locations: é preciso um conjunto de dados ou um arquivo Monthly Data</translation>
    </message>
</context>
<context>
    <name>qav::Picture</name>
    <message>
        <source>%1 - Bioclimatic Chart for pressure of %2 kPa (Elev: %3 m)    </source>
        <translation>%1 - Carta bioclimática para a pressão de %2 kPa (Alt.: %3 m)    </translation>
    </message>
    <message>
        <source> Humidity Ratio (g water vapor / kg dry air</source>
        <translation> Razão de umidade (g de vapor d&apos;água / kg de ar seco</translation>
    </message>
    <message>
        <source>DBT</source>
        <translation>TBS</translation>
    </message>
    <message>
        <source>Location: %1 (%2)</source>
        <translation>Localidade: %1 (%2)</translation>
    </message>
    <message>
        <source>Jan Feb Mar</source>
        <translation>Jan Fev Mar</translation>
    </message>
    <message>
        <source>Apr May Jun</source>
        <translation>Abr Mai Jun</translation>
    </message>
    <message>
        <source>Jul Aug Sep</source>
        <translation>Jul Ago Set</translation>
    </message>
    <message>
        <source>Oct Nov Dec</source>
        <translation>Out Nov Dez</translation>
    </message>
    <message>
        <source>Recorded hours (%1 h of the weather file)</source>
        <translation>Horas registradas (%1 h do arquivo climático)</translation>
    </message>
    <message>
        <source>Counted: %1</source>
        <translation>Contadas: %1</translation>
    </message>
    <message>
        <source>What if: %1</source>
        <translation>E se: %1</translation>
    </message>
    <message>
        <source>all hours</source>
        <translation>todas as horas</translation>
    </message>
    <message>
        <source>hours %1</source>
        <translation>horas %1</translation>
    </message>
    <message>
        <source>monthly changes</source>
        <translation>mudanças mensais</translation>
    </message>
    <message>
        <source>Yearly share of each strategy by location</source>
        <translation>Porcentagem anual de cada estratégia por localidade</translation>
    </message>
    <message>
        <source>   recorded hours</source>
        <translation>   horas registradas</translation>
    </message>
    <message>
        <source>Location%1Country%1Data Source%1Latitude%1Longitude%1Elevation</source>
        <translation>Localidade%1País%1Fonte dos dados%1Latitude%1Longitude%1Altitude</translation>
    </message>
    <message>
        <source>Month%1DBTmin%1DBTmax%1RHavg</source>
        <translation>Mês%1TBSmín%1TBSmáx%1URméd</translation>
    </message>
    <message>
        <source>Bioclimatic Strategies</source>
        <translation>Estratégias bioclimáticas</translation>
    </message>
    <message>
        <source>Bioclimatic Strategies (recorded hours)</source>
        <translation>Estratégias bioclimáticas (horas registradas)</translation>
    </message>
    <message>
        <source>dbt (°C)</source>
        <translation>tbs (°C)</translation>
    </message>
    <message>
        <source>rh (%)</source>
        <translation>ur (%)</translation>
    </message>
    <message>
        <source>comfort band, 18 to 29 °C</source>
        <translation>faixa de conforto, 18 a 29 °C</translation>
    </message>
</context>
<context>
    <name>qav::PlaceRequestText</name>
    <message>
        <source>%1: &apos;%2&apos; is not a country&apos;s two-letter code (BR, PT)</source>
        <translation>%1: &apos;%2&apos; não é o código de duas letras de um país (BR, PT)</translation>
    </message>
    <message>
        <source>%1: %2 holds a tab, a line break or another control character</source>
        <translation>%1: %2 contém uma tabulação, uma quebra de linha ou outro caractere de controle</translation>
    </message>
</context>
<context>
    <name>qav::PlaceText</name>
    <message>
        <source>%1: station %2 %3, %4 km</source>
        <translation>%1: estação %2 %3, %4 km</translation>
    </message>
    <message>
        <source>No station within 300 km: open a weather file for this site</source>
        <translation>Nenhuma estação a menos de 300 km: abra um arquivo climático deste local</translation>
    </message>
    <message>
        <source>The nearest station, %1 %2, %3 km away, is listed for reference only.</source>
        <translation>A estação mais próxima, %1 %2, a %3 km, é indicada apenas como referência.</translation>
    </message>
    <message>
        <source>%1 chosen among %2 places named %3</source>
        <translation>%1 escolhido entre %2 locais chamados %3</translation>
    </message>
    <message>
        <source>%1, %2; station %3, %4 km away, at %5 m (the place&apos;s own elevation is not known)</source>
        <translation>%1, %2; estação %3, a %4 km, a %5 m de altitude (a altitude do próprio local não é conhecida)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; holds no letter or digit to search for</source>
        <translation>%1: &apos;%2&apos; não tem letra nem algarismo a procurar</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; names no place of the list</source>
        <translation>%1: &apos;%2&apos; não nomeia nenhum local da lista</translation>
    </message>
    <message>
        <source>The station is more than 50 km away: the site&apos;s climate may differ.</source>
        <translation>A estação fica a mais de 50 km: o clima do local pode ser diferente.</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>Localidades: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>qav::ReadFailureText</name>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>month %1, day %2, hour %3</source>
        <translation>mês %1, dia %2, hora %3</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Arquivo não encontrado.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Caminho não encontrado.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permissão negada.</translation>
    </message>
    <message>
        <source>Path/File access error.</source>
        <translation>Erro de acesso ao caminho/arquivo.</translation>
    </message>
    <message>
        <source>Device I/O error.</source>
        <translation>Erro de E/S do dispositivo.</translation>
    </message>
    <message>
        <source>The system reports: %1.</source>
        <translation>O sistema informa: %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1: it is not a Monthly Data file.</source>
        <translation>O arquivo tem mais de %1: não é um arquivo de Dados Mensais.</translation>
    </message>
    <message>
        <source>The file is larger than %1: it is not a weather file (EPW).</source>
        <translation>O arquivo tem mais de %1: não é um arquivo climático (EPW).</translation>
    </message>
    <message>
        <source>The file is larger than %1: it is not a warming file.</source>
        <translation>O arquivo tem mais de %1: não é um arquivo de aquecimento.</translation>
    </message>
    <message>
        <source>The file holds NUL bytes: it is not a plain text file (save it as UTF-8 or ANSI text).</source>
        <translation>O arquivo contém bytes NUL: não é um arquivo de texto simples (salve-o como texto UTF-8 ou ANSI).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The field is empty where a number belongs.</source>
        <translation>O campo está vazio onde deveria haver um número.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number.</source>
        <translation>&apos;%1&apos; não é um número.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a finite number.</source>
        <translation>&apos;%1&apos; não é um número finito.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number.</source>
        <translation>&apos;%1&apos; não é um número inteiro.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range (%2 to %3).</source>
        <translation>&apos;%1&apos; está fora do intervalo (%2 a %3).</translation>
    </message>
    <message>
        <source>The field is longer than %1 bytes.</source>
        <translation>O campo tem mais de %1 bytes.</translation>
    </message>
    <message>
        <source>The closing quotation mark is missing.</source>
        <translation>Falta a aspa de fechamento.</translation>
    </message>
    <message>
        <source>Text follows the closing quotation mark.</source>
        <translation>Há texto depois da aspa de fechamento.</translation>
    </message>
    <message>
        <source>Day %1 is past the end of month %2.</source>
        <translation>O dia %1 passa do fim do mês %2.</translation>
    </message>
    <message>
        <source>Line 1 does not begin with LOCATION: this is not a weather file (EPW).</source>
        <translation>A linha 1 não começa com LOCATION: este não é um arquivo climático (EPW).</translation>
    </message>
    <message>
        <source>The header month,dbt_min,dbt_max,rh_avg is missing.</source>
        <translation>Falta o cabeçalho month,dbt_min,dbt_max,rh_avg.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>A linha tem mais de %1 bytes.</translation>
    </message>
    <message>
        <source>The line has %1 fields; it needs at least %2.</source>
        <translation>A linha tem %1 campos; são necessários pelo menos %2.</translation>
    </message>
    <message>
        <source>The line has %1 fields; it needs %2.</source>
        <translation>A linha tem %1 campos; são necessários %2.</translation>
    </message>
    <message>
        <source>The file holds no complete location.</source>
        <translation>O arquivo não contém nenhuma localidade completa.</translation>
    </message>
    <message>
        <source>The file holds more than %1 hourly rows; a weather year has 8760.</source>
        <translation>O arquivo contém mais de %1 linhas horárias; um ano climático tem 8760.</translation>
    </message>
    <message>
        <source>The file holds 1 hourly row; a weather year has %1.</source>
        <translation>O arquivo contém 1 linha horária; um ano climático tem %1.</translation>
    </message>
    <message>
        <source>The file holds %1 hourly rows; a weather year has %2.</source>
        <translation>O arquivo contém %1 linhas horárias; um ano climático tem %2.</translation>
    </message>
    <message>
        <source>The file ends in the middle of a row, after %1 complete hourly rows; a weather year has %2.</source>
        <translation>O arquivo termina no meio de uma linha, depois de %1 linhas horárias completas; um ano climático tem %2.</translation>
    </message>
    <message>
        <source>The file ends inside its %1-line header.</source>
        <translation>O arquivo termina dentro do seu cabeçalho de %1 linhas.</translation>
    </message>
    <message>
        <source>Month %1 has no hour with both a dry bulb and a humidity.</source>
        <translation>O mês %1 não tem nenhuma hora com temperatura de bulbo seco e umidade.</translation>
    </message>
    <message>
        <source>The row of %1 does not follow line %2 (%3): the rows must advance one hour at a time.</source>
        <translation>A linha de %1 não segue a linha %2 (%3): as linhas devem avançar uma hora de cada vez.</translation>
    </message>
    <message>
        <source>The file has more than twelve months.</source>
        <translation>O arquivo tem mais de doze meses.</translation>
    </message>
    <message>
        <source>Month %1 is given twice.</source>
        <translation>O mês %1 aparece duas vezes.</translation>
    </message>
    <message>
        <source>Month %1 is missing.</source>
        <translation>Falta o mês %1.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Line %1, field %2</source>
        <translation>Linha %1, campo %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Campo %1</translation>
    </message>
    <message>
        <source>Location %1</source>
        <translation>Localidade %1</translation>
    </message>
    <message>
        <source>%1, location %2</source>
        <translation>%1, localidade %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Err code %1</source>
        <translation>Err code %1</translation>
    </message>
    <message>
        <source>Location %1 ends at line %2 after %3 of its 54 fields; it was left out.</source>
        <translation>A localidade %1 termina na linha %2 depois de %3 dos seus 54 campos; ela foi deixada de fora.</translation>
    </message>
    <message>
        <source>The file holds no complete location: it ends after %1 of the %2 fields of a location.</source>
        <translation>O arquivo não contém nenhuma localidade completa: ele termina depois de %1 dos %2 campos de uma localidade.</translation>
    </message>
    <message>
        <source>The monthly normal %1 of month %2, %3, is out of range (%4 to %5).</source>
        <translation>A normal mensal %1 do mês %2, %3, está fora do intervalo (%4 a %5).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a representable number.</source>
        <translation>&apos;%1&apos; não é um número representável.</translation>
    </message>
    <message>
        <source>The header is short: the hourly rows begin after %1 lines; a weather file has %2 header lines.</source>
        <translation>O cabeçalho está incompleto: as linhas horárias começam depois de %1 linhas; um arquivo climático tem %2 linhas de cabeçalho.</translation>
    </message>
    <message>
        <source>1 more location</source>
        <translation>mais 1 localidade</translation>
    </message>
    <message>
        <source>%1 more locations</source>
        <translation>mais %1 localidades</translation>
    </message>
    <message>
        <source>1 field</source>
        <translation>1 campo</translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation>%1 campos</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Only %1 locations are read; left out from line %2 on: %3.</source>
        <translation>Só são lidas %1 localidades; ficou de fora, a partir da linha %2: %3.</translation>
    </message>
    <message>
        <source>The file could not be saved: %1</source>
        <translation>O arquivo não pôde ser salvo: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not month %2: the monthly lines hold months 1 to 12 in order.</source>
        <translation>&apos;%1&apos; não é o mês %2: as linhas mensais trazem os meses de 1 a 12, em ordem.</translation>
    </message>
    <message>
        <source>In month %1, DBTmin &apos;%2&apos; is above DBTmax &apos;%3&apos;.</source>
        <translation>No mês %1, DBTmin &apos;%2&apos; está acima de DBTmax &apos;%3&apos;.</translation>
    </message>
</context>
<context>
    <name>qav::RecentFiles</name>
    <message>
        <source>&amp;Clear the list</source>
        <translation>&amp;Limpar a lista</translation>
    </message>
</context>
<context>
    <name>qav::Report</name>
    <message>
        <source>Bioclimatic analysis of %1</source>
        <translation>Análise bioclimática de %1</translation>
    </message>
    <message>
        <source>There is no analysed location to report on.</source>
        <translation>Não há localidade analisada para o relatório.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localidade</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Latitude, longitude</source>
        <translation>Latitude, longitude</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Station pressure</source>
        <translation>Pressão atmosférica</translation>
    </message>
    <message>
        <source>%1 kPa (computed for %2 m)</source>
        <translation>%1 kPa (calculada para %2 m)</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Hours counted</source>
        <translation>Horas consideradas</translation>
    </message>
    <message>
        <source>Warming</source>
        <translation>Cenário de aquecimento climático</translation>
    </message>
    <message>
        <source>none (normals as read)</source>
        <translation>nenhum (normais originais)</translation>
    </message>
    <message>
        <source>Chart laid out for</source>
        <translation>Carta dimensionada para</translation>
    </message>
    <message>
        <source>a screen of %1 × %2 pixels</source>
        <translation>uma tela de %1 × %2 pixels</translation>
    </message>
    <message>
        <source>the program&apos;s reference screen of %1 × %2 pixels, the same on every computer (see Method and data)</source>
        <translation>a tela de referência do programa, de %1 × %2 pixels, a mesma em todo computador (ver Método e dados)</translation>
    </message>
    <message>
        <source>Program, date</source>
        <translation>Programa, data</translation>
    </message>
    <message>
        <source>typical days synthesised from the monthly normals (288 hours)</source>
        <translation>dias típicos sintetizados a partir das normais mensais (288 horas)</translation>
    </message>
    <message>
        <source>recorded hours of the weather file (%1 used, %2 missing), beside typical days</source>
        <translation>horas registradas do arquivo climático (%1 usadas, %2 ausentes), ao lado dos dias típicos</translation>
    </message>
    <message>
        <source>built-in data set Brazil</source>
        <translation>base de dados interna Brasil</translation>
    </message>
    <message>
        <source>built-in data set South America</source>
        <translation>base de dados interna América do Sul</translation>
    </message>
    <message>
        <source>built-in data set World</source>
        <translation>base de dados interna Mundo</translation>
    </message>
    <message>
        <source>Monthly Data file %1</source>
        <translation>arquivo de dados mensais %1</translation>
    </message>
    <message>
        <source>source field %1</source>
        <translation>campo de fonte %1</translation>
    </message>
    <message>
        <source>climatological normals 1961-1990 of INMET</source>
        <translation>normais climatológicas 1961-1990 do INMET</translation>
    </message>
    <message>
        <source>normals 1961-1990 or 1981-2010 of each country&apos;s meteorological service</source>
        <translation>normais 1961-1990 ou 1981-2010 do serviço meteorológico de cada país</translation>
    </message>
    <message>
        <source>normals 1961-1990 to 1991-2020 of the national meteorological services, as reported to the WMO</source>
        <translation>normais de 1961-1990 a 1991-2020 dos serviços meteorológicos nacionais, como informadas à OMM</translation>
    </message>
    <message>
        <source>source field GOV: normals published by the national meteorological service</source>
        <translation>campo de fonte GOV: normais publicadas pelo serviço meteorológico nacional</translation>
    </message>
    <message>
        <source>source field BBC: normals taken from a published compilation of world climate tables</source>
        <translation>campo de fonte BBC: normais tiradas de uma compilação publicada de tabelas climáticas mundiais</translation>
    </message>
    <message>
        <source>weather file %1, location from its header: %2</source>
        <translation>arquivo climático %1, local segundo o seu cabeçalho: %2</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Local do projeto</translation>
    </message>
    <message>
        <source>the station is %1 km away</source>
        <translation>a estação fica a %1 km</translation>
    </message>
    <message>
        <source> and %1 m higher</source>
        <translation> e %1 m mais alta</translation>
    </message>
    <message>
        <source> and %1 m lower</source>
        <translation> e %1 m mais baixa</translation>
    </message>
    <message>
        <source> at the same elevation</source>
        <translation> na mesma altitude</translation>
    </message>
    <message>
        <source>The station is more than %1 km from the site or more than %2 m higher or lower: the site&apos;s climate may differ. The pressure is that of the station&apos;s elevation, %3 m.</source>
        <translation>A estação fica a mais de %1 km do local ou mais de %2 m acima ou abaixo dele: o clima do local pode ser diferente. A pressão é a da altitude da estação, %3 m.</translation>
    </message>
    <message>
        <source>all 24 hours of the day</source>
        <translation>todas as 24 horas do dia</translation>
    </message>
    <message>
        <source>* Warmed normals: %1 added to every minimum and maximum; humidity as read.</source>
        <translation>* Normais aquecidas: %1 somados a todas as mínimas e máximas; umidade original.</translation>
    </message>
    <message>
        <source>* Warmed normals: the warming file&apos;s monthly changes added to the values as read.</source>
        <translation>* Normais aquecidas: as variações mensais do arquivo de aquecimento somadas aos valores originais.</translation>
    </message>
    <message>
        <source>Bioclimatic chart</source>
        <translation>Carta bioclimática</translation>
    </message>
    <message>
        <source>Monthly climate</source>
        <translation>Clima mensal</translation>
    </message>
    <message>
        <source>Monthly normals</source>
        <translation>Normais mensais</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>DBTmin (°C)</source>
        <translation>TBS mín. (°C)</translation>
    </message>
    <message>
        <source>DBTmax (°C)</source>
        <translation>TBS máx. (°C)</translation>
    </message>
    <message>
        <source>RHavg (%)</source>
        <translation>UR méd. (%)</translation>
    </message>
    <message>
        <source>Yearly shares</source>
        <translation>Percentuais anuais por estratégia</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Estratégia</translation>
    </message>
    <message>
        <source>Share (%)</source>
        <translation>Percentual do ano (%)</translation>
    </message>
    <message>
        <source>Typical days (%)</source>
        <translation>Dias típicos (%)</translation>
    </message>
    <message>
        <source>Recorded hours (%)</source>
        <translation>Horas registradas (%)</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>% of the hours</source>
        <translation>% das horas</translation>
    </message>
    <message>
        <source>Each hour counted once, by the zone it falls in: cold (A to C) %1 %, comfortable (E) %2 %, hot (F to J) %3 %, dry (D) %4 % of the hours.</source>
        <translation>Cada hora contada uma só vez, pela zona em que cai: frio (A a C) %1 %, conforto (E) %2 %, calor (F a J) %3 %, ar seco (D) %4 % das horas.</translation>
    </message>
    <message>
        <source>B (%1 %) holds C: %2 h need solar gains alone, %3 h also need thermal mass.</source>
        <translation>B (%1 %) inclui C: %2 h pedem só ganhos solares, %3 h pedem também inércia térmica.</translation>
    </message>
    <message>
        <source>H (%1 %) holds G: %2 h need thermal mass alone, %3 h also need night ventilation.</source>
        <translation>H (%1 %) inclui G: %2 h pedem só inércia térmica, %3 h pedem também ventilação noturna.</translation>
    </message>
    <message>
        <source>I (%1 %) holds G and H: %2 h need evaporative cooling alone, %3 h can also be served by thermal mass or night ventilation.</source>
        <translation>I (%1 %) inclui G e H: %2 h pedem só resfriamento evaporativo, %3 h podem ser atendidas também por inércia térmica ou ventilação noturna.</translation>
    </message>
    <message>
        <source>The three largest shares are ranked and set in bold.</source>
        <translation>Os três maiores percentuais estão numerados e em negrito.</translation>
    </message>
    <message>
        <source>The typical days and the recorded hours classify %1 % of the year differently (half the sum of the absolute differences of the shares).</source>
        <translation>Os dias típicos e as horas registradas classificam %1 % do ano de modo diferente (metade da soma dos valores absolutos das diferenças dos percentuais).</translation>
    </message>
    <message>
        <source>Hours per month and strategy (%1)</source>
        <translation>Horas por mês e estratégia (%1)</translation>
    </message>
    <message>
        <source>typical days</source>
        <translation>dias típicos</translation>
    </message>
    <message>
        <source>recorded hours</source>
        <translation>horas registradas</translation>
    </message>
    <message>
        <source>The shares merge strategies that work together: the hours of C also count for B, those of G for H, and those of H (with G&apos;s) for I, so a share is not simply the hours of its column divided by the hours counted; the column “% of the hours” is.</source>
        <translation>Os percentuais juntam estratégias que atuam em conjunto: as horas de C contam também para B, as de G para H e as de H (com as de G) para I; por isso um percentual não é simplesmente as horas da sua coluna divididas pelas horas contadas; a coluna “% das horas” é.</translation>
    </message>
    <message>
        <source>What to design for</source>
        <translation>Diretrizes de projeto</translation>
    </message>
    <message>
        <source>Every strategy that serves 5 % or more of the hours counted, with the zones merged into it, and always the three largest shares, in order of share.</source>
        <translation>Toda estratégia que atende 5 % ou mais das horas consideradas, somadas as zonas incluídas nela, e sempre os três maiores percentuais, em ordem de percentual.</translation>
    </message>
    <message>
        <source>Every strategy that serves 5 % or more of the recorded hours, with the zones merged into it, and always the three largest shares, in order of share; the typical days&apos; share is given beside it.</source>
        <translation>Toda estratégia que atende 5 % ou mais das horas registradas, somadas as zonas incluídas nela, e sempre os três maiores percentuais, em ordem de percentual; o percentual dos dias típicos aparece ao lado.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 % of the recorded hours, %2 % of the typical days</source>
        <translation>%1 % das horas registradas, %2 % dos dias típicos</translation>
    </message>
    <message>
        <source>What it asks of the building:</source>
        <translation>O que a estratégia exige da edificação:</translation>
    </message>
    <message>
        <source>Design measures:</source>
        <translation>Medidas de projeto:</translation>
    </message>
    <message>
        <source>Pitfalls:</source>
        <translation>Erros comuns:</translation>
    </message>
    <message>
        <source>serves %1 h, %2 % of the hours</source>
        <translation>atende %1 h, %2 % das horas</translation>
    </message>
    <message>
        <source>At this site:</source>
        <translation>Neste local:</translation>
    </message>
    <message>
        <source>all year round</source>
        <translation>o ano todo</translation>
    </message>
    <message>
        <source>The building in brief</source>
        <translation>A edificação em resumo</translation>
    </message>
    <message>
        <source>Walls and roof: an insulated roof; heavy internal walls and floors inside the insulation for the %1 cold hours (%2); light, shaded external walls and a ventilated roof space for the %3 hot hours (%4).</source>
        <translation>Vedações e cobertura: cobertura isolada; vedações internas e pisos pesados, do lado interno do isolamento térmico, para as %1 horas frias (%2); vedações externas leves e sombreadas e ático ventilado para as %3 horas quentes (%4).</translation>
    </message>
    <message>
        <source>Walls and roof: heavy and insulated throughout: the mass stores the sun&apos;s heat for the %1 cold hours (%2) and damps the heat of the %3 hot hours (%4).</source>
        <translation>Vedações e cobertura: pesadas e isoladas em toda a edificação: a massa guarda o calor do sol para as %1 horas frias (%2) e amortece o calor das %3 horas quentes (%4).</translation>
    </message>
    <message>
        <source>Walls and roof: heavy and well insulated, with the mass of the internal walls and floors inside the insulation, for the %1 cold hours (%2).</source>
        <translation>Vedações e cobertura: pesadas e bem isoladas, com a massa das vedações internas e dos pisos do lado interno do isolamento térmico, para as %1 horas frias (%2).</translation>
    </message>
    <message>
        <source>Walls and roof: light, shaded external walls and an insulated, ventilated roof for the %1 hot hours (%2).</source>
        <translation>Vedações e cobertura: vedações externas leves e sombreadas e cobertura isolada e ventilada para as %1 horas quentes (%2).</translation>
    </message>
    <message>
        <source>Walls and roof: heavy, insulated and shaded, with light-coloured outer surfaces, for the %1 hot hours (%2).</source>
        <translation>Vedações e cobertura: pesadas, isoladas e sombreadas, com superfícies externas de cor clara, para as %1 horas quentes (%2).</translation>
    </message>
    <message>
        <source>Openings: medium, facing %1, with openings on opposite façades for the breeze; all shaded (%2).</source>
        <translation>Aberturas: médias, voltadas para %1, com aberturas em fachadas opostas para a ventilação cruzada; todas sombreadas (%2).</translation>
    </message>
    <message>
        <source>Openings: medium, facing %1, with overhangs that shade them (%2).</source>
        <translation>Aberturas: médias, voltadas para %1, com beirais que as sombreiem (%2).</translation>
    </message>
    <message>
        <source>Openings: medium, facing %1, with shutters for the nights.</source>
        <translation>Aberturas: médias, voltadas para %1, com venezianas para as noites.</translation>
    </message>
    <message>
        <source>Openings: large, on opposite façades for cross-ventilation, all shaded.</source>
        <translation>Aberturas: grandes, em fachadas opostas para a ventilação cruzada, todas sombreadas.</translation>
    </message>
    <message>
        <source>Openings: small and shaded.</source>
        <translation>Aberturas: pequenas e sombreadas.</translation>
    </message>
    <message>
        <source>%1: let the sun in by day; close the openings and shutters at night.</source>
        <translation>%1: deixe o sol entrar durante o dia; feche as aberturas e as venezianas à noite.</translation>
    </message>
    <message>
        <source>%1: shade the openings and ventilate in the warm hours of the day; close them in the cool nights.</source>
        <translation>%1: sombreie as aberturas e ventile nas horas quentes do dia; feche-as nas noites frescas.</translation>
    </message>
    <message>
        <source>%1: keep the building closed and shaded by day and open it at night.</source>
        <translation>%1: mantenha a edificação fechada e sombreada durante o dia e abra-a à noite.</translation>
    </message>
    <message>
        <source>%1: keep it open to the breeze and shaded.</source>
        <translation>%1: mantenha a edificação aberta à brisa e sombreada.</translation>
    </message>
    <message>
        <source>%1: keep it closed and shaded in the heat of the day.</source>
        <translation>%1: mantenha a edificação fechada e sombreada nas horas quentes do dia.</translation>
    </message>
    <message>
        <source>Where the advice below pulls two ways, heating wins: %1 cold hours against %2 hot ones; cooling measures must not block the winter sun.</source>
        <translation>Onde as diretrizes abaixo apontam em sentidos opostos, prevalece o aquecimento: %1 horas frias contra %2 horas quentes; as medidas de resfriamento não devem bloquear o sol de inverno.</translation>
    </message>
    <message>
        <source>Where the advice below pulls two ways, cooling wins: %1 hot hours against %2 cold ones; solar gains only where they can be shaded in the hot months.</source>
        <translation>Onde as diretrizes abaixo apontam em sentidos opostos, prevalece o resfriamento: %1 horas quentes contra %2 horas frias; ganhos solares só onde puderem ser sombreados nos meses quentes.</translation>
    </message>
    <message>
        <source>The outdoor air is comfortable most of the year: moderate, shaded openings that can be opened at will.</source>
        <translation>O ar externo é confortável na maior parte do ano: aberturas moderadas, sombreadas e que possam ser abertas à vontade.</translation>
    </message>
    <message>
        <source>the north</source>
        <translation>o norte</translation>
    </message>
    <message>
        <source>the north and the south</source>
        <translation>o norte e o sul</translation>
    </message>
    <message>
        <source>the south</source>
        <translation>o sul</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>north, in the southern hemisphere</source>
        <translation>norte, no hemisfério sul</translation>
    </message>
    <message>
        <source>south, in the northern hemisphere</source>
        <translation>sul, no hemisfério norte</translation>
    </message>
    <message>
        <source>the %1 nights stay at %2 °C, above the %3 °C to which night ventilation can cool a building: shade, insulate and ventilate by day rather than rely on night-cooled mass.</source>
        <translation>as noites de %1 ficam em %2 °C, acima dos %3 °C até os quais a ventilação noturna pode resfriar uma edificação: sombreie, isole e ventile de dia em vez de contar com a massa resfriada à noite.</translation>
    </message>
    <message>
        <source>in %1 the daily range is only %2 K, under the %3 K that night-cooled mass needs: the nights do not cool it enough.</source>
        <translation>em %1 a amplitude diária é de apenas %2 K, abaixo dos %3 K de que a massa resfriada à noite precisa: as noites não a resfriam o bastante.</translation>
    </message>
    <message>
        <source>the air is humid: in %1 the mean relative humidity is %2 % and the afternoon wet-bulb temperature reaches %3 °C, the %4 °C at which evaporative cooling stops working; it would only add moisture, so ventilate and shade instead.</source>
        <translation>o ar é úmido: em %1 a umidade relativa média é de %2 % e a temperatura de bulbo úmido da tarde chega a %3 °C, os %4 °C a partir dos quais o resfriamento evaporativo deixa de funcionar; ele só acrescentaria umidade, então ventile e sombreie.</translation>
    </message>
    <message>
        <source>at %1° from the equator the sun stands north for part of the year and south for the rest; the roof and the east and west façades take most sun, so insulate and shade the roof, keep east and west openings small and shade both north and south openings.</source>
        <translation>a %1° do equador o sol fica ao norte em parte do ano e ao sul no restante; a cobertura e as fachadas leste e oeste recebem mais sol, então isole e sombreie a cobertura, mantenha pequenas as aberturas a leste e a oeste e sombreie as aberturas norte e sul.</translation>
    </message>
    <message>
        <source>%1 % of the hours are hot: solar gains are wanted only in the cold months (%2), and the openings must be shaded in the others.</source>
        <translation>%1 % das horas são quentes: os ganhos solares só são desejados nos meses frios (%2), e as aberturas devem ser sombreadas nos demais.</translation>
    </message>
    <message>
        <source>the daily range of the cold months (%1) is %2 K on average, above the %3 K at which an insulated, massive building heated by the sun carries much of the cold night hours: build so before sizing artificial heating.</source>
        <translation>a amplitude diária dos meses frios (%1) é de %2 K em média, acima dos %3 K a partir dos quais uma edificação isolada, de grande inércia e aquecida pelo sol atende boa parte das horas frias da noite: construa assim antes de dimensionar o aquecimento artificial.</translation>
    </message>
    <message>
        <source>Method and data</source>
        <translation>Método e dados</translation>
    </message>
    <message>
        <source>The hours are read off a chart drawn at the size the program&apos;s window gives it on a screen of %1 × %2 pixels (the reference screen), so that every computer classifies them alike.</source>
        <translation>As horas são lidas numa carta desenhada no tamanho que a janela do programa lhe dá numa tela de %1 × %2 pixels (a tela de referência), para que todo computador as classifique igualmente.</translation>
    </message>
    <message>
        <source>Each month&apos;s normals (mean daily minimum and maximum temperature, mean relative humidity) give a typical day of 24 hours; the 288 hours, or a weather file&apos;s recorded hours, are placed on a psychrometric chart drawn for the station pressure of the site&apos;s elevation and counted in the strategy zone they fall in. The zones and the design advice follow the building bioclimatic chart of Givoni as adapted for Brazil by Lamberts, Dutra and Pereira. The shares describe the outdoor climate, not a building: use them to choose what to design for, and check the design with a thermal simulation.</source>
        <translation>As normais de cada mês (temperaturas mínima e máxima diárias médias, umidade relativa média) geram um dia típico de 24 horas; as 288 horas, ou as horas registradas de um arquivo climático, são lançadas numa carta psicrométrica traçada para a pressão da estação na altitude do local e contadas na zona de estratégia em que caem. As zonas e as recomendações de projeto seguem a carta bioclimática para edificações de Givoni, adaptada ao Brasil por Lamberts, Dutra e Pereira. Os percentuais descrevem o clima externo, não uma edificação: use-os para escolher o que o projeto deve atender e avalie o desempenho por simulação (por exemplo, segundo a NBR 15575).</translation>
    </message>
    <message>
        <source>The advice is checked against the site&apos;s own normals. Night ventilation with thermal mass needs a daily range of at least 10 K (ProjetEEE, &quot;Envelope de alta inércia térmica&quot;, after Evans, 2000). The other three limits are this program&apos;s working figures, not taken from a cited text: nights that fall to 24 °C or below for night ventilation, an afternoon wet-bulb temperature below 24 °C for direct evaporative cooling, and a daily range above 15 K for an insulated, heavy, sun-heated building to carry much of the cold nights; check them for each project against Givoni (1992) and Lamberts, Dutra and Pereira (2014). Within 15° of the equator the noon sun stands on the building&apos;s poleward side for at least three months of the year, since between the tropics it crosses the zenith twice a year.</source>
        <translation>As diretrizes são conferidas com as normais do próprio local. A ventilação noturna com inércia térmica requer amplitude térmica diária de pelo menos 10 K (ProjetEEE, “Envelope de alta inércia térmica”, segundo Evans, 2000). Os outros três limites são valores de trabalho deste programa, não extraídos de um texto citado: noites que caiam a 24 °C ou menos para a ventilação noturna, temperatura de bulbo úmido à tarde abaixo de 24 °C para o resfriamento evaporativo direto e amplitude diária acima de 15 K para que uma edificação isolada, pesada e aquecida pelo sol atenda boa parte das horas frias da noite; confira-os em cada projeto com Givoni (1992) e com Lamberts, Dutra e Pereira (2014). A menos de 15° do equador o sol do meio-dia fica do lado da edificação voltado para o polo durante pelo menos três meses do ano, pois entre os trópicos passa pelo zênite duas vezes por ano.</translation>
    </message>
    <message>
        <source>Data: climatological normals of national meteorological services (INMET for Brazil, the services reporting to the WMO elsewhere), as compiled in the program&apos;s built-in data sets; not checked value by value against the published tables.</source>
        <translation>Dados: normais climatológicas dos serviços meteorológicos nacionais (INMET no Brasil, nos demais países os serviços que informam à OMM), como reunidas nas bases de dados internas do programa; não conferidas valor a valor com as tabelas publicadas.</translation>
    </message>
    <message>
        <source>Data: WMO Climatological Normals 1991-2020 (NOAA NCEI, from the data of WMO Members) and INMET, Normais Climatológicas do Brasil 1991-2020.</source>
        <translation>Dados: Normais Climatológicas da OMM 1991-2020 (NOAA NCEI, a partir dos dados dos Membros da OMM) e INMET, Normais Climatológicas do Brasil 1991-2020.</translation>
    </message>
    <message>
        <source>Data: the EnergyPlus weather file named above; cite the provider named in its header.</source>
        <translation>Dados: o arquivo climático EnergyPlus indicado acima; cite o fornecedor indicado no seu cabeçalho.</translation>
    </message>
    <message>
        <source>Data: the Monthly Data file named above, as supplied by the user.</source>
        <translation>Dados: o arquivo de dados mensais indicado acima, como fornecido pelo usuário.</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referências</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Insulate the envelope first, roof above all; seal air leaks; keep the heated volume compact and zone it; size an efficient heater (heat pump, biomass stove) for what remains, and still take the solar gains the site gives.</source>
        <translation>Isole primeiro a envoltória, sobretudo a cobertura; vede as infiltrações de ar; mantenha o volume aquecido compacto e setorizado; dimensione um aquecedor eficiente (bomba de calor, calefator a lenha) para o que restar, sem abrir mão dos ganhos solares que o local oferece.</translation>
    </message>
    <message>
        <source>Oversized heaters in leaky, uninsulated shells; thermal bridges and single glazing that invite condensation; ventilation that is cut so far that the air grows stale.</source>
        <translation>Aquecedores superdimensionados em envoltórias sem isolamento e cheias de frestas; pontes térmicas e vidros simples que favorecem a condensação; ventilação tão reduzida que o ar fica viciado.</translation>
    </message>
    <message>
        <source>Face the main rooms and their glazing to the equator (%1); keep the other façades&apos; openings small; insulate the envelope; size overhangs that admit the low winter sun and cut the high summer sun.</source>
        <translation>Oriente os ambientes de permanência prolongada e suas aberturas para o equador (%1); mantenha pequenas as aberturas das outras fachadas; isole a envoltória; dimensione beirais e brises que admitam o sol de inverno e bloqueiem o sol de verão (sombreamento das aberturas).</translation>
    </message>
    <message>
        <source>Too much glass, which overheats on clear days and loses heat at night; windows left unshaded in the warm season; glazing facing east and west, where the sun is hard to control.</source>
        <translation>Vidro em excesso, que superaquece nos dias claros e perde calor à noite; janelas sem sombreamento na estação quente; vidros voltados a leste e oeste, onde o sol é difícil de controlar.</translation>
    </message>
    <message>
        <source>Exposed masonry or concrete floors and walls inside the insulation, lit by the winter sun; a heavy, insulated roof; a compact plan, and night shutters or curtains over the windows.</source>
        <translation>Pisos e vedações internas pesadas, de alvenaria ou concreto aparentes, do lado interno do isolamento térmico e atingidos pelo sol de inverno; cobertura pesada e isolada; planta compacta e venezianas ou cortinas fechadas sobre as janelas à noite.</translation>
    </message>
    <message>
        <source>Mass covered by carpets, linings or suspended ceilings; mass outside the insulation, which loses its heat to the air; heavy rooms in shade, which stay cold.</source>
        <translation>Massa coberta por carpetes, revestimentos leves ou forros; massa por fora do isolamento, que perde o calor para o ar; ambientes pesados à sombra, que continuam frios.</translation>
    </message>
    <message>
        <source>Plants, pools and fountains near the openings; wet surfaces in courtyards; limited air leakage so that the moisture stays; a humidifier where the dry season is long.</source>
        <translation>Vegetação, espelhos d&apos;água e fontes junto às aberturas; superfícies úmidas nos pátios; poucas infiltrações de ar, para que a umidade permaneça; um umidificador onde a estação seca é longa.</translation>
    </message>
    <message>
        <source>Overdoing it, which brings condensation and mould; standing water that breeds mosquitoes; dust from bare ground upwind of the openings.</source>
        <translation>Exagerar, o que traz condensação e mofo; água parada que cria mosquitos; poeira de solo descoberto a barlavento das aberturas.</translation>
    </message>
    <message>
        <source>Openings that can be opened or closed at will; moderate glazing with shading; an envelope that neither gains nor loses too much, so the comfortable hours are not turned into hot or cold ones.</source>
        <translation>Aberturas que se possam abrir ou fechar à vontade; área envidraçada moderada e sombreada; uma envoltória que não ganhe nem perca calor demais, para que as horas confortáveis não se tornem quentes ou frias.</translation>
    </message>
    <message>
        <source>Sealed, heavily glazed buildings that need cooling even in mild weather; internal heat from lighting and equipment; treating these hours as needing no design at all.</source>
        <translation>Edifícios fechados e muito envidraçados que precisam de resfriamento mesmo com tempo ameno; calor interno de iluminação e equipamentos; tratar estas horas como se dispensassem qualquer cuidado de projeto.</translation>
    </message>
    <message>
        <source>Cross ventilation: openings on opposite façades, to windward and to leeward; a narrow plan and few partitions across the air path; high outlets and ventilated roofs; light, shaded walls; ceiling fans for still days.</source>
        <translation>Ventilação cruzada: aberturas em fachadas opostas, a barlavento e a sotavento; planta estreita e poucas divisórias no caminho do ar; saídas altas e coberturas ventiladas; paredes claras e sombreadas; ventiladores de teto para os dias sem vento.</translation>
    </message>
    <message>
        <source>Windows on one side only; insect screens and grilles that choke the flow; neighbours and walls that block the wind; security and noise that keep the windows closed.</source>
        <translation>Janelas em um só lado; telas e grades que estrangulam o fluxo; vizinhos e muros que barram o vento; segurança e ruído que mantêm as janelas fechadas.</translation>
    </message>
    <message>
        <source>Exposed heavy walls, floors and roof inside the insulation; shaded openings kept closed in the heat of the day; openings that can stay safely open at night, with cross or stack ventilation; light, reflective outer surfaces.</source>
        <translation>Paredes, pisos e cobertura pesados e aparentes, por dentro do isolamento; aberturas sombreadas e fechadas no calor do dia; aberturas que possam ficar abertas com segurança à noite, com ventilação cruzada ou por efeito chaminé; superfícies externas claras e refletoras.</translation>
    </message>
    <message>
        <source>Mass hidden behind linings; windows left open in the hot afternoon; nights too warm or too humid for the mass to cool; heavy rooms that take long to respond when occupied only briefly.</source>
        <translation>Massa escondida atrás de revestimentos; janelas abertas na tarde quente; noites quentes ou úmidas demais para resfriar a massa; ambientes pesados que demoram a responder quando ocupados só por pouco tempo.</translation>
    </message>
    <message>
        <source>Pools, fountains, wet pads or sprays in the air path to the openings; planted, shaded courtyards; cooling towers or direct evaporative coolers; roof ponds; airflow so that the added moisture leaves.</source>
        <translation>Espelhos d&apos;água, fontes, painéis umedecidos ou nebulizadores no caminho do ar até as aberturas; pátios sombreados e vegetados; torres de resfriamento evaporativo passivo ou resfriadores evaporativos diretos; lâminas d&apos;água na cobertura; fluxo de ar que leve embora a umidade acrescentada.</translation>
    </message>
    <message>
        <source>Using it in humid hours, when it only adds moisture; stagnant water and its hygiene; short supply of water in dry regions; closed rooms that grow humid.</source>
        <translation>Usá-lo nas horas úmidas, quando só acrescenta umidade; água parada (criadouro do Aedes aegypti); falta de água nas regiões secas; ambientes fechados que ficam úmidos.</translation>
    </message>
    <message>
        <source>Reduce the load first: shade every opening, insulate and lighten the roof, limit glazing to the east and west, cut internal gains; then an efficient, well-sized air conditioner or heat pump in a sealed zone, with dehumidification where the air is humid.</source>
        <translation>Reduza primeiro a carga: sombreie todas as aberturas, isole a cobertura e clareie a sua face externa, limite os vidros a leste e oeste, corte os ganhos internos; depois, um ar-condicionado ou bomba de calor eficiente e bem dimensionado numa zona vedada, com desumidificação onde o ar é úmido.</translation>
    </message>
    <message>
        <source>Conditioning an unshaded glass box; equipment sized for loads that design could have removed; open windows while it runs; the heat it rejects where people are.</source>
        <translation>Climatizar uma caixa de vidro sem sombreamento; equipamento dimensionado para cargas que o projeto poderia ter eliminado; janelas abertas com o aparelho ligado; o calor rejeitado despejado onde há pessoas.</translation>
    </message>
</context>
<context>
    <name>qav::ResultsPanel</name>
    <message>
        <source>Strategy</source>
        <translation>Estratégia</translation>
    </message>
    <message>
        <source>Artificial heating </source>
        <translation>Aquecimento artificial </translation>
    </message>
    <message>
        <source>Solar heating </source>
        <translation>Aquecimento solar passivo </translation>
    </message>
    <message>
        <source>Thermal inertia </source>
        <translation>Inércia térmica </translation>
    </message>
    <message>
        <source>Air humidification </source>
        <translation>Umidificação </translation>
    </message>
    <message>
        <source>Thermal confort </source>
        <translation>Conforto térmico </translation>
    </message>
    <message>
        <source>Ventilation </source>
        <translation>Ventilação natural </translation>
    </message>
    <message>
        <source>Night ventilation </source>
        <translation>Ventilação noturna </translation>
    </message>
    <message>
        <source>Evaporative cooling </source>
        <translation>Resfriamento evaporativo </translation>
    </message>
    <message>
        <source>Artificial cooling </source>
        <translation>Resfriamento artificial </translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Localidade:</translation>
    </message>
    <message>
        <source>Source: </source>
        <translation>Fonte: </translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Longitude: </source>
        <translation>Longitude: </translation>
    </message>
    <message>
        <source>Elevation (m): </source>
        <translation>Altitude (m): </translation>
    </message>
    <message>
        <source> Bioclimatic Classification </source>
        <translation> Classificação bioclimática </translation>
    </message>
    <message>
        <source>% (time)</source>
        <translation>% (tempo)</translation>
    </message>
    <message>
        <source>Typical</source>
        <translation>Típico</translation>
    </message>
    <message>
        <source>% of the year, typical days synthesised from the monthly normals</source>
        <translation>% do ano, dias típicos gerados a partir das normais mensais</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Registrado</translation>
    </message>
    <message>
        <source>% of the year, the weather file&apos;s recorded hours</source>
        <translation>% do ano, horas registradas no arquivo climático</translation>
    </message>
    <message>
        <source>Diff.</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Recorded minus typical, percentage points</source>
        <translation>Registrado menos típico, em pontos percentuais</translation>
    </message>
    <message>
        <source>Half the sum of the differences: the share of the year that the typical days and the recorded hours place under different strategies</source>
        <translation>Metade da soma das diferenças: o percentual do ano que os dias típicos e as horas registradas classificam em estratégias diferentes</translation>
    </message>
    <message>
        <source>Methods differ on %1 % of the year</source>
        <translation>Os métodos divergem em %1 % do ano</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localidade</translation>
    </message>
    <message>
        <source>Data source</source>
        <translation>Fonte dos dados</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>Latitude, graus</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>Longitude, graus</translation>
    </message>
    <message>
        <source>Elevation, metres</source>
        <translation>Altitude, metros</translation>
    </message>
    <message>
        <source>%1, mean minimum temperature, degrees Celsius</source>
        <translation>%1, temperatura mínima média, graus Celsius</translation>
    </message>
    <message>
        <source>%1, mean maximum temperature, degrees Celsius</source>
        <translation>%1, temperatura máxima média, graus Celsius</translation>
    </message>
    <message>
        <source>%1, mean relative humidity, percent</source>
        <translation>%1, umidade relativa média, por cento</translation>
    </message>
    <message>
        <source>%1, percent of the time</source>
        <translation>%1, por cento do tempo</translation>
    </message>
    <message>
        <source>C: thermal inertia for heating (heavy construction keeps the day&apos;s heat)</source>
        <translation>C: inércia térmica para aquecimento (a construção pesada guarda o calor do dia)</translation>
    </message>
    <message>
        <source>H: thermal inertia for cooling (heavy construction damps the day&apos;s heat)</source>
        <translation>H: inércia térmica para resfriamento (a construção pesada amortece o calor do dia)</translation>
    </message>
    <message>
        <source>Artificial heating</source>
        <translation>Aquecimento artificial</translation>
    </message>
    <message>
        <source>Solar heating</source>
        <translation>Aquecimento solar passivo</translation>
    </message>
    <message>
        <source>Thermal inertia for heating</source>
        <translation>Inércia térmica para aquecimento</translation>
    </message>
    <message>
        <source>Air humidification</source>
        <translation>Umidificação do ar</translation>
    </message>
    <message>
        <source>Thermal comfort</source>
        <translation>Conforto térmico</translation>
    </message>
    <message>
        <source>Ventilation</source>
        <translation>Ventilação natural</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ventilação noturna</translation>
    </message>
    <message>
        <source>Thermal inertia for cooling</source>
        <translation>Inércia térmica para resfriamento</translation>
    </message>
    <message>
        <source>Evaporative cooling</source>
        <translation>Resfriamento evaporativo</translation>
    </message>
    <message>
        <source>Artificial cooling</source>
        <translation>Resfriamento artificial</translation>
    </message>
    <message>
        <source>Normals with the warming of What if: %1</source>
        <translation>Normais com o aquecimento de E se: %1</translation>
    </message>
    <message>
        <source>* Monthly normals warmed (What if: %1)</source>
        <translation>* Normais mensais aquecidas (E se: %1)</translation>
    </message>
    <message>
        <source>DBTmin</source>
        <translation>TBS mín. (°C)</translation>
    </message>
    <message>
        <source>DBTmax</source>
        <translation>TBS máx. (°C)</translation>
    </message>
    <message>
        <source>RHavg</source>
        <translation>UR méd. (%)</translation>
    </message>
</context>
<context>
    <name>qav::SavedFiles</name>
    <message>
        <source>chart</source>
        <translation>carta</translation>
    </message>
    <message>
        <source>graph</source>
        <translation>gráfico</translation>
    </message>
    <message>
        <source>results</source>
        <translation>resultados</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>report</source>
        <translation>relatório</translation>
    </message>
    <message>
        <source>Saved: %1 (%2)</source>
        <translation>Salvo: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>qav::StationFinder</name>
    <message>
        <source>The station catalogue %1 was not found in:
%2
</source>
        <translation>O catálogo de estações %1 não foi encontrado em:
%2
</translation>
    </message>
    <message>
        <source>The station catalogue could not be read:
%1
</source>
        <translation>Não foi possível ler o catálogo de estações:
%1
</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>&amp;Analisar</translation>
    </message>
    <message>
        <source>derived</source>
        <translation>derivada</translation>
    </message>
    <message>
        <source>Computed from the mean vapour pressure: within 2 points of the reported humidity in the median</source>
        <translation>Calculada a partir da pressão de vapor média: na mediana, a menos de 2 pontos da umidade publicada</translation>
    </message>
    <message>
        <source>%1 km from the site</source>
        <translation>a %1 km do local</translation>
    </message>
    <message>
        <source> and %1 m higher</source>
        <translation> e %1 m mais alta</translation>
    </message>
    <message>
        <source> and %1 m lower</source>
        <translation> e %1 m mais baixa</translation>
    </message>
    <message>
        <source>Station %1 (%2) is %3: the site&apos;s climate may differ. The pressure is that of the station&apos;s elevation, %4 m.</source>
        <translation>A estação %1 (%2) está %3: o clima do local pode ser diferente. A pressão é a da altitude da estação, %4 m.</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>RH</source>
        <translation>UR</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>± m</source>
        <translation>± m</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Umidade relativa</translation>
    </message>
    <message>
        <source>Station&apos;s elevation minus the site&apos;s (m)</source>
        <translation>Altitude da estação menos a do local (m)</translation>
    </message>
    <message>
        <source>the place list %1 was not found</source>
        <translation>a lista de locais %1 não foi encontrada</translation>
    </message>
    <message>
        <source>Find a place or station</source>
        <translation>Buscar local ou estação</translation>
    </message>
    <message>
        <source>Place, station or coordinates</source>
        <translation>Local, estação ou coordenadas</translation>
    </message>
    <message>
        <source>Places and stations found</source>
        <translation>Locais e estações encontrados</translation>
    </message>
    <message>
        <source>Place or station</source>
        <translation>Local ou estação</translation>
    </message>
    <message>
        <source>Elevation of the station (m)</source>
        <translation>Altitude da estação (m)</translation>
    </message>
    <message>
        <source>Source of the normals; for a place, its nearest station</source>
        <translation>Fonte das normais; para um local, a estação mais próxima</translation>
    </message>
    <message>
        <source>Distance from the site, or from the place to its station (km)</source>
        <translation>Distância do ponto digitado, ou do local à sua estação (km)</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Local: %1</translation>
    </message>
    <message>
        <source>→ %1 %2</source>
        <translation>→ %1 %2</translation>
    </message>
    <message>
        <source>, no station within 300 km</source>
        <translation>, nenhuma estação a menos de 300 km</translation>
    </message>
    <message>
        <source>, station %1 %2, %3 km</source>
        <translation>, estação %1 %2, a %3 km</translation>
    </message>
    <message>
        <source>No places: %1.</source>
        <translation>Sem locais: %1.</translation>
    </message>
    <message>
        <source>%1 places and the normals 1991-2020 of %2 stations: type a town, a station or coordinates.</source>
        <translation>%1 locais e as normais 1991-2020 de %2 estações: digite uma cidade, uma estação ou coordenadas.</translation>
    </message>
    <message>
        <source>No place or station matches &quot;%1&quot;.</source>
        <translation>Nenhum local ou estação corresponde a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nearest first: %1 places, %2 stations.</source>
        <translation>%1 locais e %2 estações, do mais próximo para o mais distante.</translation>
    </message>
    <message>
        <source>Places found: %1; stations found: %2.</source>
        <translation>Locais encontrados: %1; estações encontradas: %2.</translation>
    </message>
    <message>
        <source>&amp;Town, station or coordinates (&quot;Campinas, SP&quot;, &quot;-15.79 -47.93&quot;, &quot;15°47′S 47°56′W 1160 m&quot;):</source>
        <translation>&amp;Cidade, estação ou coordenadas (&quot;Campinas, SP&quot;, &quot;-15,79 -47,93&quot;, &quot;15°47′S 47°56′O 1160 m&quot;):</translation>
    </message>
    <message>
        <source>Recent site: %1 (%2)</source>
        <translation>Local recente: %1 (%2)</translation>
    </message>
    <message>
        <source>Recent sites, the newest first: Enter analyses the one selected; type to search %1 places and %2 stations.</source>
        <translation>Locais recentes, do mais novo para o mais antigo: Enter analisa o selecionado; digite para pesquisar %1 locais e %2 estações.</translation>
    </message>
</context>
<context>
    <name>qav::StationSource</name>
    <message>
        <source>Station %1, normals %2</source>
        <translation>Estação %1, normais %2</translation>
    </message>
    <message>
        <source>Station %1, normals %2, humidity derived</source>
        <translation>Estação %1, normais %2, umidade derivada</translation>
    </message>
    <message>
        <source>WMO %1</source>
        <translation>OMM %1</translation>
    </message>
    <message>
        <source>INMET %1</source>
        <translation>INMET %1</translation>
    </message>
</context>
<context>
    <name>qav::StatusLine</name>
    <message>
        <source>File saved</source>
        <translation>Arquivo salvo</translation>
    </message>
    <message>
        <source>Strategy lit</source>
        <translation>Estratégia destacada</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Location analysed</source>
        <translation>Localidade analisada</translation>
    </message>
    <message>
        <source>Hours shown</source>
        <translation>Horas mostradas</translation>
    </message>
    <message>
        <source>Analysis basis</source>
        <translation>Base da análise</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Hour pointed at</source>
        <translation>Hora apontada</translation>
    </message>
</context>
<context>
    <name>qav::Strategy</name>
    <message>
        <source>Artificial Heating</source>
        <translation>Aquecimento artificial</translation>
    </message>
    <message>
        <source>Solar Heating</source>
        <translation>Aquecimento solar passivo</translation>
    </message>
    <message>
        <source>Thermal Inertia (Heating)</source>
        <translation>Inércia térmica para aquecimento</translation>
    </message>
    <message>
        <source>Air Humidification</source>
        <translation>Umidificação do ar</translation>
    </message>
    <message>
        <source>Thermal Comfort</source>
        <translation>Conforto térmico</translation>
    </message>
    <message>
        <source>Ventilation</source>
        <translation>Ventilação natural</translation>
    </message>
    <message>
        <source>Night Ventilation</source>
        <translation>Ventilação noturna</translation>
    </message>
    <message>
        <source>Thermal Inertia (Cooling)</source>
        <translation>Inércia térmica para resfriamento</translation>
    </message>
    <message>
        <source>Evaporative Cooling</source>
        <translation>Resfriamento evaporativo</translation>
    </message>
    <message>
        <source>Artificial Cooling</source>
        <translation>Resfriamento artificial</translation>
    </message>
</context>
<context>
    <name>qav::SunShadeView</name>
    <message>
        <source>no zone</source>
        <translation>fora das zonas</translation>
    </message>
    <message>
        <source>wants shade</source>
        <translation>pede sombra</translation>
    </message>
    <message>
        <source>wants sun</source>
        <translation>pede sol</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutra</translation>
    </message>
    <message>
        <source>sun below the horizon</source>
        <translation>sol abaixo do horizonte</translation>
    </message>
    <message>
        <source>A sunlit hour at or above this dry bulb wants shade; 21 °C is the shading line of Olgyay&apos;s bioclimatic chart</source>
        <translation>Uma hora de sol com temperatura de bulbo seco igual ou acima desta pede sombra; 21 °C é a linha de sombreamento da carta bioclimática de Olgyay</translation>
    </message>
    <message>
        <source>Stereographic</source>
        <translation>Estereográfica</translation>
    </message>
    <message>
        <source>Equidistant</source>
        <translation>Equidistante</translation>
    </message>
    <message>
        <source>&amp;Façade:</source>
        <translation>&amp;Fachada:</translation>
    </message>
    <message>
        <source>Shade a&amp;bove:</source>
        <translation>Sombra a&amp;cima de:</translation>
    </message>
    <message>
        <source>Pro&amp;jection:</source>
        <translation>Pro&amp;jeção:</translation>
    </message>
    <message>
        <source>Sun path</source>
        <translation>Carta solar</translation>
    </message>
    <message>
        <source>Hours calendar</source>
        <translation>Calendário das horas</translation>
    </message>
    <message>
        <source>Shading of the eight façades</source>
        <translation>Sombreamento das oito fachadas</translation>
    </message>
    <message>
        <source>Overhang (horizontal louvre): vertical shadow angle (α) that shades 90 % of the overheated sun-hours on the façade, and its depth for a window of height 1. Fins (vertical louvres): horizontal (β). Sun kept: the share of the underheated sun-hours left unshaded.</source>
        <translation>Brise horizontal: ângulo de sombra vertical (α) que sombreia 90 % das horas de sol sobreaquecidas da fachada, e sua profundidade para uma janela de altura 1. Brises verticais: ângulo de sombra horizontal (β). Sol preservado: a parcela das horas de sol subaquecidas que fica sem sombra.</translation>
    </message>
    <message>
        <source>%1, %2 h: sun at altitude %3°, azimuth %4°; %5, %6</source>
        <translation>%1, %2 h: sol a %3° de altitude, azimute %4°; %5, %6</translation>
    </message>
    <message>
        <source>Current hour: %1.</source>
        <translation>Hora atual: %1.</translation>
    </message>
    <message>
        <source>Sun path of %1, north up: %2 of its %3 sunlit typical hours want shade and %4 want sun; shading mask of the %5 façade.</source>
        <translation>Carta solar de %1, com o norte para cima: das suas %3 horas típicas com sol, %2 pedem sombra e %4 pedem sol; máscara de sombreamento da fachada %5.</translation>
    </message>
    <message>
        <source>Strategy of each typical hour of %1, months down and hours across.</source>
        <translation>Estratégia de cada hora típica de %1, com os meses nas linhas e as horas nas colunas.</translation>
    </message>
</context>
<context>
    <name>qav::SunText</name>
    <message>
        <source>%1: &apos;%2&apos; is not stereographic or equidistant</source>
        <translation>%1: &apos;%2&apos; não é stereographic (estereográfica) nem equidistant (equidistante)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not N, NE, E, SE, S, SW, W, NW or degrees from 0 to 359</source>
        <translation>%1: &apos;%2&apos; não é N, NE, E, SE, S, SW, W, NW nem graus de 0 a 359</translation>
    </message>
    <message>
        <source>North</source>
        <comment>facade</comment>
        <translation>Norte</translation>
    </message>
    <message>
        <source>Northeast</source>
        <comment>facade</comment>
        <translation>Nordeste</translation>
    </message>
    <message>
        <source>East</source>
        <comment>facade</comment>
        <translation>Leste</translation>
    </message>
    <message>
        <source>Southeast</source>
        <comment>facade</comment>
        <translation>Sudeste</translation>
    </message>
    <message>
        <source>South</source>
        <comment>facade</comment>
        <translation>Sul</translation>
    </message>
    <message>
        <source>Southwest</source>
        <comment>facade</comment>
        <translation>Sudoeste</translation>
    </message>
    <message>
        <source>West</source>
        <comment>facade</comment>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Northwest</source>
        <comment>facade</comment>
        <translation>Noroeste</translation>
    </message>
    <message>
        <source>%1 - Sun path, latitude %2</source>
        <translation>%1 - Carta solar, latitude %2</translation>
    </message>
    <message>
        <source>Apparent solar time. Hours: red wants shade, blue wants sun, grey neutral</source>
        <translation>Hora solar verdadeira. Horas: vermelho pede sombra, azul pede sol, cinza neutro</translation>
    </message>
    <message>
        <source>Faint dots: the weather file&apos;s recorded hours</source>
        <translation>Pontos claros: as horas medidas do arquivo climático</translation>
    </message>
    <message>
        <source>Shading mask of the %1 façade: overhang %2, fins %3</source>
        <translation>Máscara de sombreamento da fachada %1: brise horizontal %2, brises verticais %3</translation>
    </message>
    <message>
        <source>none needed</source>
        <translation>desnecessário</translation>
    </message>
    <message>
        <source>%1° N</source>
        <translation>%1° N</translation>
    </message>
    <message>
        <source>%1° S</source>
        <translation>%1° S</translation>
    </message>
    <message>
        <source>%1 - Strategy of each hour of the typical days</source>
        <translation>%1 - Estratégia de cada hora dos dias típicos</translation>
    </message>
    <message>
        <source>%1 - Recorded hours: each strategy&apos;s share of every hour</source>
        <translation>%1 - Horas medidas: a parcela de cada estratégia em cada hora</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Sun and shade</source>
        <translation>Sol e sombra</translation>
    </message>
    <message>
        <source>A sunlit hour wants shade (overheated) when its strategy is F to J or its dry bulb is %1 °C or more, the shading line of Olgyay&apos;s bioclimatic chart (Design with Climate, 1963: about 70 °F); it wants sun (underheated) when its strategy is A, B or C. For each façade the cut-off angles below shade 90 % of the overheated sun-hours that reach it; the share of the underheated ones they leave unshaded is the winter sun they keep. Sun positions: NOAA&apos;s solar equations (after Meeus), typical hour h at solar time h:00 on the 15th.</source>
        <translation>Uma hora de sol pede sombra (sobreaquecida) quando sua estratégia é de F a J ou sua temperatura de bulbo seco é de %1 °C ou mais, a linha de sombreamento da carta bioclimática de Olgyay (Design with Climate, 1963: cerca de 70 °F); pede sol (subaquecida) quando sua estratégia é A, B ou C. Para cada fachada, os ângulos de corte abaixo sombreiam 90 % das horas de sol sobreaquecidas que a atingem; a parcela das subaquecidas que deixam sem sombra é o sol de inverno que preservam. Posições do sol: equações solares da NOAA (segundo Meeus), hora típica h às h:00 de hora solar do dia 15.</translation>
    </message>
    <message>
        <source>Sun path and the shading mask of the %1 façade</source>
        <translation>Carta solar e máscara de sombreamento da fachada %1</translation>
    </message>
    <message>
        <source>When: the hours&apos; strategies</source>
        <translation>Quando: as estratégias de cada hora</translation>
    </message>
    <message>
        <source>Façade</source>
        <comment>column</comment>
        <translation>Fachada</translation>
    </message>
    <message>
        <source>Overheated h</source>
        <comment>column</comment>
        <translation>Horas sobreaquecidas</translation>
    </message>
    <message>
        <source>Underheated h</source>
        <comment>column</comment>
        <translation>Horas subaquecidas</translation>
    </message>
    <message>
        <source>Overhang α</source>
        <comment>column</comment>
        <translation>Brise horizontal α</translation>
    </message>
    <message>
        <source>Sun kept</source>
        <comment>column</comment>
        <translation>Sol preservado</translation>
    </message>
    <message>
        <source>Depth</source>
        <comment>column</comment>
        <translation>Profundidade</translation>
    </message>
    <message>
        <source>Fins β</source>
        <comment>column</comment>
        <translation>Brises verticais β</translation>
    </message>
    <message>
        <source>Sun kept</source>
        <comment>fins column</comment>
        <translation>Sol preservado</translation>
    </message>
    <message>
        <source>%1: no overheated sun-hour reaches this façade; it needs no shading.</source>
        <translation>%1: nenhuma hora de sol sobreaquecida atinge esta fachada; ela não precisa de sombreamento.</translation>
    </message>
    <message>
        <source>%1: an overhang with a %2° cut-off (vertical shadow angle α) shades 90 % of the %3 overheated sun-hours and keeps %4 % of the winter sun; depth %5 × the window height.</source>
        <translation>%1: um brise horizontal com corte de %2° (ângulo de sombra vertical α) sombreia 90 % das %3 horas de sol sobreaquecidas e preserva %4 % do sol de inverno; profundidade de %5 × a altura da janela.</translation>
    </message>
    <message>
        <source>%1: an overhang with a %2° cut-off (vertical shadow angle α) shades 90 % of the %3 overheated sun-hours; depth %4 × the window height; no winter sun reaches this façade.</source>
        <translation>%1: um brise horizontal com corte de %2° (ângulo de sombra vertical α) sombreia 90 % das %3 horas de sol sobreaquecidas; profundidade de %4 × a altura da janela; o sol de inverno não atinge esta fachada.</translation>
    </message>
    <message>
        <source>%1: the %2 overheated sun-hours come so low that no overhang alone shades 90 % of them; use fins, movable shutters or shaded glazing.</source>
        <translation>%1: as %2 horas de sol sobreaquecidas chegam tão baixas que nenhum brise horizontal sozinho sombreia 90 % delas; use brises verticais, venezianas móveis ou vidros sombreados.</translation>
    </message>
    <message>
        <source>Fins with a %1° cut-off (horizontal shadow angle β) keep %2 % of it.</source>
        <translation>Brises verticais com corte de %1° (ângulo de sombra horizontal β) preservam %2 % dele.</translation>
    </message>
    <message>
        <source>Fins would need a %1° cut-off (horizontal shadow angle β).</source>
        <translation>Brises verticais precisariam de um corte de %1° (ângulo de sombra horizontal β).</translation>
    </message>
    <message>
        <source>Fins alone cannot shade them.</source>
        <translation>Brises verticais sozinhos não conseguem sombreá-las.</translation>
    </message>
</context>
<context>
    <name>qav::WebFinder</name>
    <message>
        <source>Places</source>
        <translation>Locais</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Estações</translation>
    </message>
    <message>
        <source>population %1</source>
        <translation>população %1</translation>
    </message>
    <message>
        <source>Places: %1, stations: %2</source>
        <translation>Locais: %1, estações: %2</translation>
    </message>
    <message>
        <source>The place list could not be loaded: only stations are listed.</source>
        <translation>Não foi possível carregar a lista de locais: só as estações são listadas.</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Usar minha localização</translation>
    </message>
    <message>
        <source>Places: the towns of at least 5,000 inhabitants and every Brazilian town of the list (49,142 places).</source>
        <translation>Locais: as cidades de pelo menos 5.000 habitantes e todas as cidades brasileiras da lista (49.142 locais).</translation>
    </message>
</context>
<context>
    <name>qav::WebPage</name>
    <message>
        <source>&quot;%1&quot; is not a data set (brazil, south-america, world).</source>
        <translation>“%1” não é um conjunto de dados (brazil, south-america, world).</translation>
    </message>
    <message>
        <source>%1 could not be read:</source>
        <translation>Não foi possível ler %1:</translation>
    </message>
    <message>
        <source>%1 stations found</source>
        <translation>%1 estações encontradas</translation>
    </message>
    <message>
        <source>Bioclimatic analysis of a building site</source>
        <translation>Análise bioclimática do local de um edifício</translation>
    </message>
    <message>
        <source>Bioclimatic chart of %1</source>
        <translation>Carta bioclimática de %1</translation>
    </message>
    <message>
        <source>Chart as PNG</source>
        <translation>Carta em PNG</translation>
    </message>
    <message>
        <source>Chart as SVG</source>
        <translation>Carta em SVG</translation>
    </message>
    <message>
        <source>Clock hours (first-last, 1 to 24)</source>
        <translation>Horas do dia (primeira-última, 1 a 24)</translation>
    </message>
    <message>
        <source>Copy the table</source>
        <translation>Copiar a tabela</translation>
    </message>
    <message>
        <source>Data set</source>
        <translation>Conjunto de dados</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Filter the locations</source>
        <translation>Filtrar as localidades</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Hours of each strategy by month</source>
        <translation>Horas de cada estratégia por mês</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Latitude %1, longitude %2, elevation %3 m</source>
        <translation>Latitude %1, longitude %2, altitude %3 m</translation>
    </message>
    <message>
        <source>Monthly Data file (QAV*.TXT) or weather file (EPW): choose one or drop it here. It is read in this browser and sent nowhere.</source>
        <translation>Arquivo de Dados Mensais (QAV*.TXT) ou arquivo climático (EPW): escolha um ou solte-o aqui. Ele é lido neste navegador e não é enviado a lugar nenhum.</translation>
    </message>
    <message>
        <source>Monthly climate graph of %1</source>
        <translation>Gráfico climático mensal de %1</translation>
    </message>
    <message>
        <source>Months (first-last, 1 to 12)</source>
        <translation>Meses (primeiro-último, 1 a 12)</translation>
    </message>
    <message>
        <source>Name or coordinates</source>
        <translation>Nome ou coordenadas</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abrir um arquivo</translation>
    </message>
    <message>
        <source>Skip to the results</source>
        <translation>Ir para os resultados</translation>
    </message>
    <message>
        <source>The analysis could not be made:</source>
        <translation>Não foi possível fazer a análise:</translation>
    </message>
    <message>
        <source>The table was copied.</source>
        <translation>A tabela foi copiada.</translation>
    </message>
    <message>
        <source>Top three: %1</source>
        <translation>As três principais: %1</translation>
    </message>
    <message>
        <source>Typical days and recorded hours differ on %1 % of the year.</source>
        <translation>Dias típicos e horas registradas diferem em %1 % do ano.</translation>
    </message>
    <message>
        <source>What if: warming (°C)</source>
        <translation>E se: aquecimento (°C)</translation>
    </message>
    <message>
        <source>Works offline after the first visit.</source>
        <translation>Funciona sem conexão depois da primeira visita.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>pressure %1 kPa</source>
        <translation>pressão %1 kPa</translation>
    </message>
    <message>
        <source>Compare locations</source>
        <translation>Comparar localidades</translation>
    </message>
    <message>
        <source>The address answered with HTTP status %1.</source>
        <translation>O endereço respondeu com o status HTTP %1.</translation>
    </message>
    <message>
        <source>The address could not be reached: the network is down, or the site does not allow it.</source>
        <translation>Não foi possível acessar o endereço: a rede está fora do ar, ou o site não permite o acesso.</translation>
    </message>
    <message>
        <source>The browser could not read the file: %1</source>
        <translation>O navegador não conseguiu ler o arquivo: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of degrees, such as 2.5 or -1.</source>
        <translation>“%1” não é um número de graus, como 2,5 ou -1.</translation>
    </message>
    <message>
        <source>%1 %2 to %3 °C, %4 %</source>
        <translation>%1 de %2 a %3 °C, %4 %</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a range of clock hours from 1 to 24.</source>
        <translation>%1: “%2” não é um intervalo de horas do dia de 1 a 24.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a range such as 12-2.</source>
        <translation>%1: “%2” não é um intervalo como 12-2.</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3.</source>
        <translation>%1: %2 está fora do intervalo %3.</translation>
    </message>
    <message>
        <source>Clock hours</source>
        <translation>Horas do dia</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>Location and options</source>
        <translation>Local e opções</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>No analysis</source>
        <translation>Nenhuma análise</translation>
    </message>
    <message>
        <source>No station found.</source>
        <translation>Nenhuma estação encontrada.</translation>
    </message>
    <message>
        <source>Only http and https addresses are read.</source>
        <translation>Só são lidos endereços http e https.</translation>
    </message>
    <message>
        <source>Recorded hours come only from a weather file (EPW): the typical days are shown.</source>
        <translation>As horas registradas vêm só de um arquivo climático (EPW): são mostrados os dias típicos.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Procurando…</translation>
    </message>
    <message>
        <source>The station catalogue could not be loaded: the network is down or the site did not answer.</source>
        <translation>Não foi possível carregar o catálogo de estações: a rede está fora do ar ou o site não respondeu.</translation>
    </message>
    <message>
        <source>There is no location %1 in %2: it holds %3 locations.</source>
        <translation>Não há localidade %1 em %2: há %3 localidades.</translation>
    </message>
    <message>
        <source>There is no station %1 in the catalogue.</source>
        <translation>Não há estação %1 no catálogo.</translation>
    </message>
    <message>
        <source>What if</source>
        <translation>E se</translation>
    </message>
    <message>
        <source>analysis</source>
        <translation>análise</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>carta</translation>
    </message>
    <message>
        <source>hours %1</source>
        <translation>horas %1</translation>
    </message>
    <message>
        <source>months %1</source>
        <translation>meses %1</translation>
    </message>
    <message>
        <source>recorded hours</source>
        <translation>horas registradas</translation>
    </message>
    <message>
        <source>shares</source>
        <translation>porcentagens</translation>
    </message>
    <message>
        <source>There is no location %1 in %2.</source>
        <translation>Não há localidade %1 em %2.</translation>
    </message>
    <message>
        <source>1 station found</source>
        <translation>1 estação encontrada</translation>
    </message>
    <message>
        <source>Asking the browser where it is…</source>
        <translation>Perguntando ao navegador onde ele está…</translation>
    </message>
    <message>
        <source>Back to the analysis</source>
        <translation>Voltar à análise</translation>
    </message>
    <message>
        <source>Copy the link</source>
        <translation>Copiar o link</translation>
    </message>
    <message>
        <source>Print or save as PDF</source>
        <translation>Imprimir ou salvar em PDF</translation>
    </message>
    <message>
        <source>Report to print</source>
        <translation>Relatório para imprimir</translation>
    </message>
    <message>
        <source>Stations near me</source>
        <translation>Estações perto de mim</translation>
    </message>
    <message>
        <source>The browser could not tell where it is.</source>
        <translation>O navegador não conseguiu dizer onde está.</translation>
    </message>
    <message>
        <source>The browser was not allowed to tell where it is.</source>
        <translation>O navegador não teve permissão para dizer onde está.</translation>
    </message>
    <message>
        <source>The link could not be copied: it is the address of this page.</source>
        <translation>Não foi possível copiar o link: é o endereço desta página.</translation>
    </message>
    <message>
        <source>The link was copied.</source>
        <translation>O link foi copiado.</translation>
    </message>
    <message>
        <source>This browser cannot tell where it is.</source>
        <translation>Este navegador não sabe dizer onde está.</translation>
    </message>
    <message>
        <source>With a warming of %1 °C</source>
        <translation>Com aquecimento de %1 °C</translation>
    </message>
    <message>
        <source>Without the warming</source>
        <translation>Sem o aquecimento</translation>
    </message>
    <message>
        <source>Find a station</source>
        <translation>Encontrar uma estação</translation>
    </message>
    <message>
        <source>Stations found</source>
        <translation>Estações encontradas</translation>
    </message>
    <message>
        <source>Station %1</source>
        <translation>Estação %1</translation>
    </message>
    <message>
        <source>WMO %1</source>
        <translation>OMM %1</translation>
    </message>
</context>
<context>
    <name>qav::WebPageViews</name>
    <message>
        <source>&quot;%1&quot; is not a temperature from 10 to 35 °C, such as 26 or 24.5.</source>
        <translation>“%1” não é uma temperatura de 10 a 35 °C, como 26 ou 24,5.</translation>
    </message>
    <message>
        <source>ASHRAE 55 adaptive</source>
        <translation>ASHRAE 55 adaptativo</translation>
    </message>
    <message>
        <source>Above with fans (0.9 m/s)</source>
        <translation>Acima, com ventiladores (0,9 m/s)</translation>
    </message>
    <message>
        <source>Band II (°C)</source>
        <translation>Faixa II (°C)</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Abaixo</translation>
    </message>
    <message>
        <source>Comfort model</source>
        <translation>Modelo de conforto</translation>
    </message>
    <message>
        <source>EN 16798-1 adaptive</source>
        <translation>EN 16798-1 adaptativo</translation>
    </message>
    <message>
        <source>Givoni chart</source>
        <translation>Carta de Givoni</translation>
    </message>
    <message>
        <source>In 80 % with fans (0.9 m/s)</source>
        <translation>Em 80 %, com ventiladores (0,9 m/s)</translation>
    </message>
    <message>
        <source>Shade above</source>
        <translation>Sombrear acima de</translation>
    </message>
    <message>
        <source>Shade above (°C, 10 to 35)</source>
        <translation>Sombrear acima de (°C, 10 a 35)</translation>
    </message>
    <message>
        <source>Shading of the eight façades</source>
        <translation>Sombreamento das oito fachadas</translation>
    </message>
</context>
<context>
    <name>qav::WebReport</name>
    <message>
        <source>The report could not be loaded. Check the connection and try again.</source>
        <translation>Não foi possível carregar o relatório. Verifique a conexão e tente de novo.</translation>
    </message>
</context>
<context>
    <name>qav::WhatIfDialog</name>
    <message>
        <source>What if it were warmer</source>
        <translation>E se fizer mais calor?</translation>
    </message>
    <message>
        <source>Adds a warming to the location&apos;s monthly normals and analyses them beside the unchanged ones. Relative humidity is kept unless you change it, so the humidity ratio rises with temperature, as climate projections broadly show. Recorded hours of a weather file are shifted by their month&apos;s mean change of temperature, keeping their relative humidity.
This is a sensitivity test, not a projection: take the values from published regional projections, such as the monthly changes of the IPCC WGI Interactive Atlas (interactive-atlas.ipcc.ch).</source>
        <translation>Acrescenta um aquecimento às normais mensais e compara o resultado com as normais originais. A umidade relativa é mantida, a menos que você a mude, de modo que a razão de umidade sobe com a temperatura, como as projeções climáticas mostram em linhas gerais. As horas registradas de um arquivo climático são deslocadas pela mudança média de temperatura do seu mês, mantendo a sua umidade relativa.
Isto é um teste de sensibilidade, não uma projeção: tome os valores de projeções regionais publicadas, como as mudanças mensais do Atlas Interativo do IPCC WGI (interactive-atlas.ipcc.ch).</translation>
    </message>
    <message>
        <source>&amp;Same warming every month:</source>
        <translation>&amp;Mesmo aquecimento em todos os meses:</translation>
    </message>
    <message>
        <source>&amp;Monthly changes:</source>
        <translation>Mudanças m&amp;ensais:</translation>
    </message>
    <message>
        <source>Warming of every month&apos;s minimum and maximum temperature, degrees C</source>
        <translation>Aquecimento da temperatura mínima e máxima de cada mês, graus C</translation>
    </message>
    <message>
        <source>Monthly changes of DBTmin and DBTmax in degrees C and of RHavg in points</source>
        <translation>Mudanças mensais de DBTmin e DBTmax em graus C e de RHavg em pontos</translation>
    </message>
    <message>
        <source>DBTmin (°C)</source>
        <translation>TBS mín. (°C)</translation>
    </message>
    <message>
        <source>DBTmax (°C)</source>
        <translation>TBS máx. (°C)</translation>
    </message>
    <message>
        <source>RHavg (points)</source>
        <translation>UR méd. (pontos)</translation>
    </message>
    <message>
        <source>&amp;Load CSV…</source>
        <translation>&amp;Carregar CSV…</translation>
    </message>
    <message>
        <source>A CSV file with the header month,dbt_min,dbt_max,rh_avg and twelve rows</source>
        <translation>Um arquivo CSV com o cabeçalho month,dbt_min,dbt_max,rh_avg e doze linhas</translation>
    </message>
    <message>
        <source>Shares without and with the warming and their difference</source>
        <translation>Percentuais do ano sem e com o aquecimento e a sua diferença</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>&amp;Remove warming</source>
        <translation>&amp;Remover aquecimento</translation>
    </message>
    <message>
        <source>DBTmin</source>
        <translation>DBTmin</translation>
    </message>
    <message>
        <source>DBTmax</source>
        <translation>DBTmax</translation>
    </message>
    <message>
        <source>RHavg</source>
        <translation>RHavg</translation>
    </message>
    <message>
        <source>%1, %2: &apos;%3&apos; is not a change between %4 and %5.</source>
        <translation>%1, %2: &apos;%3&apos; não é uma mudança entre %4 e %5.</translation>
    </message>
    <message>
        <source>Load monthly changes</source>
        <translation>Carregar mudanças mensais</translation>
    </message>
    <message>
        <source>CSV table (*.csv);;All files (*)</source>
        <translation>Tabela CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Not analysed: %1</source>
        <translation>Não analisado: %1</translation>
    </message>
    <message>
        <source>No warming is analysed.</source>
        <translation>Nenhum aquecimento é analisado.</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Estratégia</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Warmer</source>
        <translation>Mais quente</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>%1, %2 now: %3 %</source>
        <translation>%1, %2 agora: %3 %</translation>
    </message>
    <message>
        <source>%1, %2 warmer: %3 %</source>
        <translation>%1, %2 mais quente: %3 %</translation>
    </message>
    <message>
        <source>%1, %2 difference: %3 points</source>
        <translation>%1, %2 diferença: %3 pontos</translation>
    </message>
    <message>
        <source>typical days</source>
        <translation>dias típicos</translation>
    </message>
    <message>
        <source>recorded hours</source>
        <translation>horas registradas</translation>
    </message>
    <message>
        <source>%1: %2. The chart shows the changed hours.</source>
        <translation>%1: %2. A carta mostra as horas mudadas.</translation>
    </message>
    <message>
        <source>Accepted: %1 to %2 °C for DBTmin and DBTmax, %3 to %4 points for RHavg; a value outside is refused, not cut to the limit.</source>
        <translation>Aceito: de %1 a %2 °C para DBTmin e DBTmax, de %3 a %4 pontos para RHavg; valores fora dessa faixa são recusados (não são ajustados ao limite).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a warming between %2 and %3 °C.</source>
        <translation>“%1” não é um aquecimento entre %2 e %3 °C.</translation>
    </message>
    <message>
        <source>Compared: the %1 recorded hours of %2.</source>
        <translation>Comparadas: as %1 horas registradas de %2.</translation>
    </message>
    <message>
        <source>Compared: the typical days of the monthly normals.</source>
        <translation>Comparados: os dias típicos das normais mensais.</translation>
    </message>
    <message>
        <source>Counted: %1.</source>
        <translation>Horas contadas: %1.</translation>
    </message>
</context>
<context>
    <name>qav::WindView</name>
    <message>
        <source>&amp;Beside all hours:</source>
        <translation>&amp;Ao lado de todas as horas:</translation>
    </message>
    <message>
        <source>Second wind rose</source>
        <translation>Segunda rosa dos ventos</translation>
    </message>
    <message>
        <source>Wind roses</source>
        <translation>Rosas dos ventos</translation>
    </message>
    <message>
        <source>prevailing winds from %1, %2 % of the hours, at a median %3 m/s; </source>
        <translation>ventos predominantes de %1, %2 % das horas, com mediana de %3 m/s; </translation>
    </message>
    <message>
        <source>calm %1 % of %2 hours; %3 hours without a wind record</source>
        <translation>calmaria em %1 % de %2 horas; %3 horas sem registro de vento</translation>
    </message>
    <message>
        <source>No ventilation hour has a wind record.</source>
        <translation>Nenhuma hora de ventilação tem registro de vento.</translation>
    </message>
</context>
</TS>
